// Building the main window's widgets: section bar, pages, command row, filter
// row and status bar. Object names follow the program's component names so
// that later modules and tests find what they fill.
#include "app/MainWindow.h"

#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include "support/gui/DateField.h"

namespace kv {

namespace {

struct SectionInfo {
    Section section;
    const char* button;
    QString caption;
    const char* page;
};

const QList<SectionInfo>& sections() {
    static const QList<SectionInfo> list{
        {Section::Start, "SBStart", QStringLiteral("Start"), "start"},
        {Section::Vehicles, "SBPojazdy", QStringLiteral("Pojazdy"), "pojazdy"},
        {Section::Finance, "SBFinansowe", QStringLiteral("Finanse"), "tabFinansowe"},
        {Section::Fuel, "SBPaliwa", QStringLiteral("Paliwa"), "tabPaliwa"},
        {Section::Time, "SBCzas", QStringLiteral("Czas"), "tabCzas"},
        {Section::Registers, "SBRejestry", QStringLiteral("Rejestry"), "tabRejestry"},
        {Section::Reports, "SBRaporty", QStringLiteral("Raporty"), "Raporty"},
        {Section::Charts, "SBWykresy", QStringLiteral("Wykresy"), "wykresy"},
        {Section::Dictionaries, "SBSlowniki", QStringLiteral("Słowniki"), "Slowniki"},
    };
    return list;
}

const char* kSectionBarStyle =
    "QFrame#sectionBar { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #dfe8f2, "
    "stop:1 #b9cbe0); border-bottom: 1px solid #8ea6c2; }"
    "QToolButton { color: black; border: 1px solid transparent; border-radius: 4px; "
    "padding: 6px 14px; font-weight: bold; font-size: 10pt; background: transparent; }"
    "QToolButton:hover { border-color: #7d98ba; background: rgba(255,255,255,90); }"
    "QToolButton:checked { color: white; background: #2d5b8a; border-color: #1f4468; }"
    "QToolButton:disabled { color: #7a8899; }";

const char* kRegisterColumnStyle =
    "QFrame#registerColumn { background: #eef3f8; border-right: 1px solid #c5d3e3; }"
    "QToolButton { color: black; border: 1px solid transparent; border-radius: 3px; "
    "padding: 7px 6px; text-align: left; background: transparent; }"
    "QToolButton:hover { border-color: #9fb4cd; background: white; }"
    "QToolButton:checked { color: white; background: #2d5b8a; }"
    "QToolButton:disabled { color: #9aa5b1; }";

QLabel* hintLabel(const QString& text) {
    auto* label = new QLabel(text);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setStyleSheet(QStringLiteral("color: #4a5b70; font-size: 11pt;"));
    return label;
}

QWidget* placeholderPage(const QString& name, const QString& text) {
    auto* page = new QWidget;
    page->setObjectName(name);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(hintLabel(text));
    return page;
}

} // namespace

void MainWindow::buildWindow() {
    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildSectionBar());
    layout->addWidget(buildPages(), 1);
    layout->addWidget(buildCommandRow());
    layout->addWidget(buildFilterRow());
    setCentralWidget(central);
    buildStatusBar();
    buildMenus();
    wireFilterRow();
    connect(m_commandButtons.value(QStringLiteral("SBDodaj")), &QPushButton::clicked, this,
            [this] { commandAdd(false); });
    connect(m_commandButtons.value(QStringLiteral("SBKopiuj")), &QPushButton::clicked, this,
            [this] { commandAdd(true); });
    connect(m_commandButtons.value(QStringLiteral("SBEdytuj")), &QPushButton::clicked, this,
            &MainWindow::commandEdit);
    connect(m_commandButtons.value(QStringLiteral("SBUsun")), &QPushButton::clicked, this,
            &MainWindow::commandDelete);
    connect(m_commandButtons.value(QStringLiteral("SBPodglad")), &QPushButton::clicked, this,
            &MainWindow::commandPreview);
    openSection(Section::Start);
}

QWidget* MainWindow::buildSectionBar() {
    auto* bar = new QFrame;
    bar->setObjectName(QStringLiteral("sectionBar"));
    bar->setStyleSheet(QLatin1String(kSectionBarStyle));
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(2);
    for (const SectionInfo& s : sections()) {
        auto* b = new QToolButton;
        b->setObjectName(QLatin1String(s.button));
        b->setText(s.caption);
        b->setCheckable(true);
        b->setAutoRaise(true);
        b->setStatusTip(s.caption);
        const Section section = s.section;
        connect(b, &QToolButton::clicked, this, [this, section] {
            // The vehicle register is a section of its own.
            if (section == Section::Vehicles && isRegisterAvailable(RegisterId::Vehicles))
                openRegister(RegisterId::Vehicles);
            else
                openSection(section);
        });
        m_sectionButtons.insert(static_cast<int>(s.section), b);
        layout->addWidget(b);
    }
    layout->addStretch(1);
    return bar;
}

QWidget* MainWindow::buildSectionWithRegisters(Section section, const QString& pageName,
                                               const QString& innerName, const QString& startName,
                                               const QString& startHint) {
    auto* page = new QWidget;
    page->setObjectName(pageName);
    auto* layout = new QHBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto* column = new QFrame;
    column->setObjectName(QStringLiteral("registerColumn"));
    column->setStyleSheet(QLatin1String(kRegisterColumnStyle));
    column->setFixedWidth(170);
    auto* columnLayout = new QVBoxLayout(column);
    columnLayout->setContentsMargins(6, 8, 6, 8);
    columnLayout->setSpacing(3);

    auto* inner = new QStackedWidget;
    inner->setObjectName(innerName);
    QWidget* start = placeholderPage(startName, startHint);
    inner->addWidget(start);
    m_innerPages.insert(static_cast<int>(section), inner);
    m_startPages.insert(static_cast<int>(section), start);

    for (const RegisterDescriptor& d : allRegisters()) {
        if (d.section != section)
            continue;
        auto* b = new QToolButton;
        b->setObjectName(QStringLiteral("RB") + d.page);
        b->setText(d.registerButton);
        b->setCheckable(true);
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        b->setEnabled(false); // enabled once the register is available
        const RegisterId id = d.id;
        connect(b, &QToolButton::clicked, this, [this, id] { openRegister(id); });
        m_registerButtons.insert(b->objectName(), b);
        columnLayout->addWidget(b);

        auto* registerPage = new QWidget;
        registerPage->setObjectName(d.page);
        auto* pageLayout = new QVBoxLayout(registerPage);
        pageLayout->setContentsMargins(4, 4, 4, 4);
        auto* grid = new QTableView;
        grid->setObjectName(d.grid);
        pageLayout->addWidget(grid);
        inner->addWidget(registerPage);
        m_registerPages.insert(static_cast<int>(d.id), registerPage);
    }
    if (section == Section::Dictionaries) {
        // The dictionary window and the company data open as windows; their
        // pages only hold the place.
        for (const auto& [name, caption] :
             {std::pair{"SlBiblioteka", "Biblioteka"}, std::pair{"SlDaneFirmy", "Dane Firmy"}}) {
            auto* b = new QToolButton;
            b->setObjectName(QStringLiteral("RB") + QLatin1String(name));
            b->setText(QString::fromUtf8(caption));
            b->setCheckable(true);
            b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
            b->setEnabled(false);
            m_registerButtons.insert(b->objectName(), b);
            columnLayout->insertWidget(name == std::string_view("SlBiblioteka") ? 0 : 2, b);
            inner->addWidget(placeholderPage(QLatin1String(name), QString()));
        }
    }
    columnLayout->addStretch(1);
    layout->addWidget(column);
    layout->addWidget(inner, 1);
    return page;
}

QWidget* MainWindow::buildPages() {
    m_zakladki = new QStackedWidget;
    m_zakladki->setObjectName(QStringLiteral("zakladki"));

    // Start page with the notepad that is kept between runs.
    auto* start = new QWidget;
    start->setObjectName(QStringLiteral("start"));
    auto* startLayout = new QVBoxLayout(start);
    startLayout->setContentsMargins(16, 12, 16, 12);
    auto* title = new QLabel(QStringLiteral("Karvento – ewidencja pojazdów firmy"));
    title->setStyleSheet(QStringLiteral("font-size: 16pt; font-weight: bold; color: #2d5b8a;"));
    startLayout->addWidget(title);
    startLayout->addSpacing(8);
    startLayout->addWidget(new QLabel(QStringLiteral("Podręczny notatnik:")));
    m_notepad = new QPlainTextEdit;
    m_notepad->setObjectName(QStringLiteral("podrecznyNotatnik"));
    startLayout->addWidget(m_notepad, 1);
    m_zakladki->addWidget(start);
    m_sectionPages.insert(static_cast<int>(Section::Start), start);

    // The vehicle register is a section of its own.
    const RegisterDescriptor& vehicles = registerDescriptor(RegisterId::Vehicles);
    auto* vehiclesPage = new QWidget;
    vehiclesPage->setObjectName(vehicles.page);
    auto* vehiclesLayout = new QVBoxLayout(vehiclesPage);
    vehiclesLayout->setContentsMargins(4, 4, 4, 4);
    vehiclesLayout->addWidget(buildVehicleFilterPanel());
    auto* vehiclesGrid = new QTableView;
    vehiclesGrid->setObjectName(vehicles.grid);
    vehiclesLayout->addWidget(vehiclesGrid);
    m_zakladki->addWidget(vehiclesPage);
    m_sectionPages.insert(static_cast<int>(Section::Vehicles), vehiclesPage);
    m_registerPages.insert(static_cast<int>(RegisterId::Vehicles), vehiclesPage);

    struct Inner {
        Section section;
        const char* page;
        const char* inner;
        const char* start;
        QString hint;
    };
    const Inner inners[] = {
        {Section::Finance, "tabFinansowe", "I4Zakladki", "I4Start",
         QStringLiteral("Aby edytować finanse kliknij właściwą ikonę po lewo")},
        {Section::Fuel, "tabPaliwa", "I2Zakladki", "I2Start",
         QStringLiteral("Aby edytować paliwa kliknij właściwą ikonę po lewo")},
        {Section::Time, "tabCzas", "I3Zakladki", "I3Start",
         QStringLiteral("Aby edytować kliknij właściwą ikonę po lewo")},
        {Section::Registers, "tabRejestry", "I1Zakladki", "I1Start",
         QStringLiteral("Aby edytować rejestry kliknij właściwą ikonę po lewo")},
    };
    for (const Inner& i : inners) {
        QWidget* page =
            buildSectionWithRegisters(i.section, QLatin1String(i.page), QLatin1String(i.inner),
                                      QLatin1String(i.start), i.hint);
        m_zakladki->addWidget(page);
        m_sectionPages.insert(static_cast<int>(i.section), page);
    }

    auto* reports = new QTabWidget;
    reports->setObjectName(QStringLiteral("RaportyTab"));
    for (const char* tab :
         {"Raporty wg pojazdów", "Raporty wg kierowców", "Karty drogowe", "Kilometrówka VAT",
          "Pozostałe raporty 1", "Pozostałe raporty 2", "Raporty dodatkowe"})
        reports->addTab(
            placeholderPage(QString(), QStringLiteral("Raporty nie są jeszcze "
                                                      "dostępne w tej wersji programu.")),
            QString::fromUtf8(tab));
    auto* reportsPage = new QWidget;
    reportsPage->setObjectName(QStringLiteral("Raporty"));
    auto* reportsLayout = new QVBoxLayout(reportsPage);
    reportsLayout->addWidget(reports);
    m_orderText = new QPlainTextEdit;
    m_orderText->setObjectName(QStringLiteral("rapZlecTresc"));
    m_orderText->hide(); // the order text of a report; shown with the reports
    reportsLayout->addWidget(m_orderText);
    m_zakladki->addWidget(reportsPage);
    m_sectionPages.insert(static_cast<int>(Section::Reports), reportsPage);

    auto* charts = new QTabWidget;
    charts->setObjectName(QStringLiteral("WykresyTab"));
    for (const char* tab : {"Zmiana cen paliw", "Zużycie paliwa ciągłe", "Zużycie paliwa - km",
                            "Zużycie paliwa - Mth", "Przebieg", "Koszty"})
        charts->addTab(
            placeholderPage(QString(), QStringLiteral("Wykresy nie są jeszcze "
                                                      "dostępne w tej wersji programu.")),
            QString::fromUtf8(tab));
    auto* chartsPage = new QWidget;
    chartsPage->setObjectName(QStringLiteral("wykresy"));
    auto* chartsLayout = new QVBoxLayout(chartsPage);
    chartsLayout->addWidget(charts);
    m_zakladki->addWidget(chartsPage);
    m_sectionPages.insert(static_cast<int>(Section::Charts), chartsPage);

    QWidget* dictionaries = buildSectionWithRegisters(
        Section::Dictionaries, QStringLiteral("Slowniki"), QStringLiteral("SlZakladki"),
        QStringLiteral("SlStart"),
        QStringLiteral("Aby edytować słowniki kliknij właściwą ikonę po lewo"));
    m_zakladki->addWidget(dictionaries);
    m_sectionPages.insert(static_cast<int>(Section::Dictionaries), dictionaries);
    return m_zakladki;
}

QWidget* MainWindow::buildCommandRow() {
    auto* row = new QFrame;
    row->setObjectName(QStringLiteral("commandRow"));
    row->setStyleSheet(QStringLiteral("QFrame#commandRow { background: #f3f6fa; "
                                      "border-top: 1px solid #c5d3e3; }"));
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(6, 4, 6, 4);
    struct Cmd {
        const char* name;
        QString caption;
        QString hint;
    };
    const Cmd left[] = {
        {"SBSzukaj", QStringLiteral("Szukaj"),
         QStringLiteral("Szukaj informacji w powyższej tabeli")},
        {"SBKopiuj", QStringLiteral("Kopiuj"), QStringLiteral("Stwórz kopię zaznaczonej pozycji")},
        {"SBDodaj", QStringLiteral("Dodaj"), QStringLiteral("Dodaj nową pozycję")},
        {"SBEdytuj", QStringLiteral("Edytuj"), QStringLiteral("Edytuj wskazaną pozycję")},
        {"SBUsun", QStringLiteral("Usuń"), QStringLiteral("Usuń wskazaną pozycję")},
        {"SBPodglad", QStringLiteral("Podgląd"), QStringLiteral("Podgląd danych")},
        {"SBcsv", QStringLiteral("do CSV"), QStringLiteral("Zapisz tabelę do arkusza CSV")},
        {"SBDrukuj", QStringLiteral("Drukuj"), QStringLiteral("Drukuj wskazaną pozycję")},
    };
    const Cmd right[] = {
        {"SBSuma", QStringLiteral("Przelicz sumy"), QStringLiteral("Przelicz sumy kolumn tabeli")},
        {"SBFiszka", QStringLiteral("Fiszka"), QStringLiteral("Notatnik tymczasowy")},
    };
    auto add = [&](const Cmd& c) {
        auto* b = new QPushButton(c.caption);
        b->setObjectName(QLatin1String(c.name));
        b->setToolTip(c.hint);
        b->setStatusTip(c.hint);
        b->setMinimumWidth(84);
        b->setEnabled(false);
        layout->addWidget(b);
        m_commandButtons.insert(QLatin1String(c.name), b);
    };
    for (const Cmd& c : left)
        add(c);
    layout->addStretch(1);
    for (const Cmd& c : right)
        add(c);
    return row;
}

QWidget* MainWindow::buildFilterRow() {
    auto* row = new QFrame;
    row->setObjectName(QStringLiteral("filterRow"));
    auto* rows = new QVBoxLayout(row);
    rows->setContentsMargins(8, 4, 8, 4);
    rows->setSpacing(2);
    auto* layout = new QHBoxLayout;
    const QString enterHint = QStringLiteral("Wybór zatwierdź klawiszem ENTER");

    layout->addWidget(new QLabel(QStringLiteral("Dane dla pojazdu:")));
    m_cbPojazd = new QComboBox;
    m_cbPojazd->setObjectName(QStringLiteral("CBPojazd"));
    m_cbPojazd->setMinimumWidth(130);
    layout->addWidget(m_cbPojazd);
    layout->addSpacing(10);

    layout->addWidget(new QLabel(QStringLiteral("Miesiąc / Rok:")));
    m_cbCurrentMonth = new QComboBox;
    m_cbCurrentMonth->setObjectName(QStringLiteral("CBCurrentMonth"));
    m_cbCurrentMonth->setToolTip(enterHint);
    m_cbCurrentMonth->addItem(QStringLiteral("(Wszystkie)"));
    for (const char* m : {"Styczeń", "Luty", "Marzec", "Kwiecień", "Maj", "Czerwiec", "Lipiec",
                          "Sierpień", "Wrzesień", "Październik", "Listopad", "Grudzień"})
        m_cbCurrentMonth->addItem(QString::fromUtf8(m));
    layout->addWidget(m_cbCurrentMonth);
    m_cbCurrentYear = new QComboBox;
    m_cbCurrentYear->setObjectName(QStringLiteral("CBcurrentYear"));
    m_cbCurrentYear->setToolTip(enterHint);
    m_cbCurrentYear->addItem(QStringLiteral("(Wszystkie)"));
    layout->addWidget(m_cbCurrentYear);
    layout->addSpacing(10);

    layout->addWidget(new QLabel(QStringLiteral("Data od-do:")));
    m_filtrOd = new DateField;
    m_filtrOd->setObjectName(QStringLiteral("filtrOd"));
    m_filtrDo = new DateField;
    m_filtrDo->setObjectName(QStringLiteral("filtrDo"));
    for (DateField* e : {m_filtrOd, m_filtrDo}) {
        e->setMaximumWidth(130);
        layout->addWidget(e);
    }
    layout->addStretch(1);
    rows->addLayout(layout);

    // The company, the chosen vehicle and the user.
    auto* labels = new QHBoxLayout;
    m_lFirma = new QLabel;
    m_lFirma->setObjectName(QStringLiteral("lFirma"));
    m_lFirma->setStyleSheet(QStringLiteral("font-weight: bold; color: #2d5b8a;"));
    m_lFirma->setMaximumWidth(420);
    m_lPojazd = new QLabel(QStringLiteral("-"));
    m_lPojazd->setObjectName(QStringLiteral("lPojazd"));
    m_lUzytkownik = new QLabel;
    m_lUzytkownik->setObjectName(QStringLiteral("lUzytkownik"));
    m_lUzytkownik->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    labels->addWidget(m_lFirma);
    labels->addSpacing(20);
    labels->addWidget(m_lPojazd, 1);
    labels->addWidget(m_lUzytkownik);
    rows->addLayout(labels);
    return row;
}

void MainWindow::buildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar"));
    bar->setSizeGripEnabled(true);
    m_statusDate = new QLabel;
    m_statusDate->setObjectName(QStringLiteral("statusDate"));
    m_statusDate->setMinimumWidth(70);
    m_statusDate->setAlignment(Qt::AlignCenter);
    m_statusCompany = new QLabel;
    m_statusCompany->setObjectName(QStringLiteral("statusCompany"));
    m_statusCompany->setMinimumWidth(150);
    m_statusHint = new QLabel;
    m_statusHint->setObjectName(QStringLiteral("statusHint"));
    m_statusHint->setMinimumWidth(50);
    bar->addWidget(m_statusDate);
    bar->addWidget(m_statusCompany);
    bar->addWidget(m_statusHint, 1);
}

} // namespace kv
