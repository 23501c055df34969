#include "storage/StatementTemplate.h"

namespace kv {

StatementTemplate& StatementTemplate::slot(const QString& name) {
    Q_ASSERT_X(!m_slots.contains(name), "StatementTemplate::slot", qPrintable(name));
    m_slots.insert(name, static_cast<int>(m_lines.size()));
    m_lines.append(QString());
    return *this;
}

} // namespace kv
