#include "app/SectionPages.h"

#include "app/ThemeIcons.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace kv {

namespace {

struct SectionInfo {
    Section section;
    const char* button;
    QString caption;
};

const QList<SectionInfo>& sections() {
    static const QList<SectionInfo> list{
        {Section::Start, "SBStart", QStringLiteral("Start")},
        {Section::Vehicles, "SBPojazdy", QStringLiteral("Pojazdy")},
        {Section::Finance, "SBFinansowe", QStringLiteral("Finanse")},
        {Section::Fuel, "SBPaliwa", QStringLiteral("Paliwa")},
        {Section::Time, "SBCzas", QStringLiteral("Czas")},
        {Section::Registers, "SBRejestry", QStringLiteral("Rejestry")},
        {Section::Reports, "SBRaporty", QStringLiteral("Raporty")},
        {Section::Charts, "SBWykresy", QStringLiteral("Wykresy")},
        {Section::Dictionaries, "SBSlowniki", QStringLiteral("Słowniki")},
    };
    return list;
}

// Colours from the palette, so that the bars, their texts and the theme's
// icons (drawn for the palette's lightness) read on a light and a dark desktop.
const char* kSectionBarStyle =
    "QFrame#sectionBar { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, "
    "stop:0 palette(midlight), stop:1 palette(button)); border-bottom: 1px solid palette(mid); }"
    "QToolButton { color: palette(button-text); border: 1px solid transparent; "
    "border-radius: 4px; padding: 4px 10px; font-weight: bold; font-size: 10pt; "
    "background: transparent; }"
    "QToolButton:hover { border-color: palette(highlight); }"
    "QToolButton:checked { color: palette(highlighted-text); background: palette(highlight); "
    "border-color: palette(dark); }"
    "QToolButton:disabled { color: palette(mid); }";

const char* kRegisterColumnStyle =
    "QFrame#registerColumn { background: palette(alternate-base); "
    "border-right: 1px solid palette(mid); }"
    "QToolButton { color: palette(text); border: 1px solid transparent; border-radius: 3px; "
    "padding: 5px 4px; text-align: left; background: transparent; }"
    "QToolButton:hover { border-color: palette(highlight); background: palette(base); }"
    "QToolButton:checked { color: palette(highlighted-text); background: palette(highlight); }"
    "QToolButton:disabled { color: palette(mid); }";

QLabel* hintLabel(const QString& text) {
    auto* label = new QLabel(text);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setStyleSheet(QStringLiteral("font-size: 11pt;"));
    return label;
}

QWidget* placeholderPage(const QString& name, const QString& text) {
    auto* page = new QWidget;
    page->setObjectName(name);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(hintLabel(text));
    return page;
}

QToolButton* columnButton(const QString& name, const QString& caption) {
    auto* b = new QToolButton;
    b->setObjectName(name);
    b->setText(caption);
    b->setIcon(themeIcon(name));
    b->setCheckable(true);
    b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    b->setEnabled(false); // enabled once what it opens is available
    return b;
}

// A tab page standing for a part of the program that comes with a later version.
QWidget* tabbedPlaceholder(const char* pageName, const char* tabsName, const QString& text,
                           std::initializer_list<const char*> tabs, QWidget* below = nullptr) {
    auto* tabWidget = new QTabWidget;
    tabWidget->setObjectName(QLatin1String(tabsName));
    for (const char* tab : tabs)
        tabWidget->addTab(placeholderPage(QString(), text), QString::fromUtf8(tab));
    auto* page = new QWidget;
    page->setObjectName(QLatin1String(pageName));
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(tabWidget);
    if (below)
        layout->addWidget(below);
    return page;
}

} // namespace

SectionPages::SectionPages(const QList<SectionCommandInfo>& commands, QObject* parent)
    : QObject(parent) {
    m_bar = buildSectionBar();
    buildPages(commands);
}

QWidget* SectionPages::buildSectionBar() {
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
        b->setIcon(themeIcon(b->objectName()));
        b->setIconSize(QSize(22, 22));
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        b->setCheckable(true);
        b->setAutoRaise(true);
        b->setStatusTip(s.caption);
        const Section section = s.section;
        connect(b, &QToolButton::clicked, this, [this, section] { emit sectionClicked(section); });
        m_sectionButtons.insert(static_cast<int>(s.section), b);
        layout->addWidget(b);
    }
    layout->addStretch(1);
    return bar;
}

QWidget* SectionPages::registerGridPage(const RegisterDescriptor& d) {
    auto* page = new QWidget;
    page->setObjectName(d.page);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);
    auto* grid = new QTableView;
    grid->setObjectName(d.grid);
    layout->addWidget(grid);
    m_registerPages.insert(static_cast<int>(d.id), page);
    return page;
}

QWidget* SectionPages::buildSectionWithRegisters(Section section, const QString& pageName,
                                                 const QString& innerName, const QString& startName,
                                                 const QString& startHint,
                                                 const QList<SectionCommandInfo>& commands) {
    auto* page = new QWidget;
    page->setObjectName(pageName);
    auto* layout = new QHBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto* column = new QFrame;
    column->setObjectName(QStringLiteral("registerColumn"));
    column->setStyleSheet(QLatin1String(kRegisterColumnStyle));
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
        QToolButton* b = columnButton(QStringLiteral("RB") + d.page, d.registerButton);
        const RegisterId id = d.id;
        connect(b, &QToolButton::clicked, this, [this, id] { emit registerClicked(id); });
        m_buttons.insert(b->objectName(), b);
        columnLayout->addWidget(b);
        inner->addWidget(registerGridPage(d));
    }
    // Commands that open a window of their own; their pages only hold the place.
    QList<SectionCommandInfo> own;
    for (const SectionCommandInfo& c : commands)
        if (c.section == section)
            own.append(c);
    std::sort(own.begin(), own.end(),
              [](const auto& a, const auto& b) { return a.buttonPosition < b.buttonPosition; });
    for (const SectionCommandInfo& c : own) {
        QToolButton* b = columnButton(c.button, c.caption);
        const QString name = c.button;
        connect(b, &QToolButton::clicked, this, [this, name] { emit commandClicked(name); });
        m_buttons.insert(name, b);
        columnLayout->insertWidget(std::min(c.buttonPosition, columnLayout->count()), b);
        inner->addWidget(placeholderPage(c.page, QString()));
    }
    columnLayout->addStretch(1);
    // Wide enough for the longest register name: a cut name reads as another.
    column->setFixedWidth(std::max(170, columnLayout->sizeHint().width()));
    layout->addWidget(column);
    layout->addWidget(inner, 1);
    return page;
}

void SectionPages::buildPages(const QList<SectionCommandInfo>& commands) {
    m_pages = new QStackedWidget;
    m_pages->setObjectName(QStringLiteral("zakladki"));

    // Start page with the notepad that is kept between runs.
    auto* start = new QWidget;
    start->setObjectName(QStringLiteral("start"));
    auto* startLayout = new QVBoxLayout(start);
    startLayout->setContentsMargins(16, 12, 16, 12);
    auto* title = new QLabel(QStringLiteral("Karvento – ewidencja pojazdów firmy"));
    title->setStyleSheet(
        QStringLiteral("font-size: 16pt; font-weight: bold; color: palette(highlight);"));
    startLayout->addWidget(title);
    startLayout->addSpacing(8);
    // The notepad at the left; what features show beside it at the right.
    auto* columns = new QHBoxLayout;
    auto* notepadColumn = new QVBoxLayout;
    auto* notepadLabel = new QLabel(QStringLiteral("Podręczny notatnik:"));
    notepadLabel->setObjectName(QStringLiteral("lNotatnik"));
    notepadColumn->addWidget(notepadLabel);
    m_notepad = new QPlainTextEdit;
    m_notepad->setObjectName(QStringLiteral("podrecznyNotatnik"));
    notepadColumn->addWidget(m_notepad, 1);
    columns->addLayout(notepadColumn, 2);
    m_startSide = new QWidget;
    m_startSide->setObjectName(QStringLiteral("startCzesci"));
    auto* sideLayout = new QVBoxLayout(m_startSide);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    m_startSide->hide(); // until a feature puts something there
    columns->addWidget(m_startSide, 3);
    startLayout->addLayout(columns, 1);
    m_pages->addWidget(start);
    m_sectionPages.insert(static_cast<int>(Section::Start), start);

    // The vehicle register is a section of its own.
    QWidget* vehicles = registerGridPage(registerDescriptor(RegisterId::Vehicles));
    m_pages->addWidget(vehicles);
    m_sectionPages.insert(static_cast<int>(Section::Vehicles), vehicles);

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
                                      QLatin1String(i.start), i.hint, commands);
        m_pages->addWidget(page);
        m_sectionPages.insert(static_cast<int>(i.section), page);
    }

    m_orderText = new QPlainTextEdit;
    m_orderText->setObjectName(QStringLiteral("rapZlecTresc"));
    m_orderText->hide(); // the order text of a report; shown with the reports
    QWidget* reports = tabbedPlaceholder(
        "Raporty", "RaportyTab",
        QStringLiteral("Raporty nie są jeszcze dostępne w tej wersji programu."),
        {"Raporty wg pojazdów", "Raporty wg kierowców", "Karty drogowe", "Kilometrówka VAT",
         "Pozostałe raporty 1", "Pozostałe raporty 2", "Raporty dodatkowe"},
        m_orderText);
    m_pages->addWidget(reports);
    m_sectionPages.insert(static_cast<int>(Section::Reports), reports);

    QWidget* charts =
        tabbedPlaceholder("wykresy", "WykresyTab",
                          QStringLiteral("Wykresy nie są jeszcze dostępne w tej wersji programu."),
                          {"Zmiana cen paliw", "Zużycie paliwa ciągłe", "Zużycie paliwa - km",
                           "Zużycie paliwa - Mth", "Przebieg", "Koszty"});
    m_pages->addWidget(charts);
    m_sectionPages.insert(static_cast<int>(Section::Charts), charts);

    QWidget* dictionaries = buildSectionWithRegisters(
        Section::Dictionaries, QStringLiteral("Slowniki"), QStringLiteral("SlZakladki"),
        QStringLiteral("SlStart"),
        QStringLiteral("Aby edytować słowniki kliknij właściwą ikonę po lewo"), commands);
    m_pages->addWidget(dictionaries);
    m_sectionPages.insert(static_cast<int>(Section::Dictionaries), dictionaries);
}

void SectionPages::setSectionContent(Section section, QWidget* content) {
    QWidget* page = m_sectionPages.value(static_cast<int>(section));
    if (!page || !content)
        return;
    // The placeholder tabs go; widgets kept below them (the order text) stay
    // for the content to take.
    for (QTabWidget* tabs : page->findChildren<QTabWidget*>(Qt::FindDirectChildrenOnly))
        delete tabs;
    static_cast<QVBoxLayout*>(page->layout())->insertWidget(0, content, 1);
}

void SectionPages::addStartPagePart(QWidget* part) {
    if (!part)
        return;
    m_startSide->layout()->addWidget(part);
    m_startSide->show();
}

QToolButton* SectionPages::sectionButton(Section section) const {
    return m_sectionButtons.value(static_cast<int>(section));
}

void SectionPages::showSection(Section section) {
    QToolButton* current = sectionButton(section);
    for (QToolButton* b : std::as_const(m_sectionButtons))
        b->setChecked(b == current);
    // A section opens on its start page: no register button stays pressed.
    highlightButton(QString());
    if (QWidget* page = m_sectionPages.value(static_cast<int>(section)))
        m_pages->setCurrentWidget(page);
    if (QStackedWidget* inner = m_innerPages.value(static_cast<int>(section)))
        inner->setCurrentWidget(m_startPages.value(static_cast<int>(section)));
}

void SectionPages::showRegister(RegisterId id) {
    const RegisterDescriptor& d = registerDescriptor(id);
    showSection(d.section);
    highlightButton(QStringLiteral("RB") + d.page);
    if (QStackedWidget* inner = m_innerPages.value(static_cast<int>(d.section)))
        inner->setCurrentWidget(registerPage(id));
}

void SectionPages::highlightButton(const QString& name) {
    for (QToolButton* b : std::as_const(m_buttons))
        b->setChecked(b->objectName() == name);
}

std::optional<RegisterId>
SectionPages::visibleRegister(const std::function<bool(RegisterId)>& available) const {
    QWidget* page = m_pages->currentWidget();
    for (const RegisterDescriptor& d : allRegisters()) {
        QWidget* registerPage = m_registerPages.value(static_cast<int>(d.id));
        if (!registerPage || !available(d.id))
            continue;
        if (registerPage == page)
            return d.id;
        QStackedWidget* inner = m_innerPages.value(static_cast<int>(d.section));
        if (inner && page == m_sectionPages.value(static_cast<int>(d.section)) &&
            inner->currentWidget() == registerPage)
            return d.id;
    }
    return std::nullopt;
}

} // namespace kv
