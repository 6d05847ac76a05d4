#include "filterpopup.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int KeyRole = Qt::UserRole;
}

FilterPopup::FilterPopup(const QList<GridProxy::FilterValue> &values, const QSet<QString> &checked, bool truncated,
                         QWidget *parent)
    : QFrame(parent, Qt::Popup), m_list(new QListWidget(this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setFrameShape(QFrame::StyledPanel);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);

    auto *all = new QListWidgetItem(tr("(Tümü)"), m_list);
    all->setData(KeyRole, QVariant()); // marks the "all" row
    QFont f = all->font();
    f.setItalic(true);
    all->setFont(f);
    for (const GridProxy::FilterValue &v : values) {
        auto *item = new QListWidgetItem(v.icon, v.text.isEmpty() ? tr("(Boş)") : v.text, m_list);
        item->setData(KeyRole, v.key);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(checked.contains(v.key) ? Qt::Checked : Qt::Unchecked);
    }
    // Choosing "(Tümü)" clears the filter at once.
    connect(m_list, &QListWidget::itemClicked, this, [this, all](QListWidgetItem *item) {
        if (item == all) {
            emit applied({});
            close();
        }
    });
    layout->addWidget(m_list);
    if (truncated)
        layout->addWidget(new QLabel(tr("İlk %1 değer listelendi").arg(values.size()), this));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("Tamam"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("İptal"));
    connect(buttons, &QDialogButtonBox::accepted, this, &FilterPopup::apply);
    connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::close);
    layout->addWidget(buttons);

    const int rows = qMin(int(m_list->count()), 16);
    m_list->setMinimumHeight(rows * m_list->sizeHintForRow(0) + 2 * m_list->frameWidth());
    m_list->setMinimumWidth(qMax(180, m_list->sizeHintForColumn(0) + 30));
}

void FilterPopup::apply()
{
    QSet<QString> keys;
    for (int i = 1; i < m_list->count(); ++i)
        if (m_list->item(i)->checkState() == Qt::Checked)
            keys.insert(m_list->item(i)->data(KeyRole).toString());
    emit applied(keys);
    close();
}
