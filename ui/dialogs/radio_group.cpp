#include "ui/dialogs/radio_group.h"

#include <QButtonGroup>
#include <QRadioButton>

#include <algorithm>
#include <numeric>

namespace {
constexpr int kCaptionHeight = 14; // the box's caption line above the items
constexpr int kLeft = 6; // from the box's left edge to the first column
constexpr int kRight = 2; // the last column may reach the frame
} // namespace

TRadioGroup::TRadioGroup(
    const QString& Caption, const QStringList& Items, int DefaultIndex, QWidget* parent)
    : QGroupBox(Caption, parent)
    , FGroup(new QButtonGroup(this))
    , FDefaultIndex(std::clamp(DefaultIndex, 0, int(Items.size()) - 1))
{
    for (const QString& text : Items) {
        auto* button = new QRadioButton(text, this);
        FGroup->addButton(button, int(FButtons.size()));
        FOrder.push_back(int(FButtons.size()));
        FButtons.push_back(button);
    }
    SetItemIndex(FDefaultIndex);
}

int TRadioGroup::ItemIndex() const
{
    const int checked = FGroup->checkedId();
    return checked >= 0 ? checked : FDefaultIndex;
}

void TRadioGroup::SetItemIndex(int Value)
{
    if (FButtons.empty()) return;
    const int index = Value < 0 ? FDefaultIndex : std::min(Value, Count() - 1);
    FButtons[index]->setChecked(true);
}

void TRadioGroup::SetColumns(int Value)
{
    FColumns = std::max(1, Value);
    Arrange();
}

void TRadioGroup::SetDisplayOrder(const std::vector<int>& Indexes)
{
    std::vector<int> sorted = Indexes;
    std::sort(sorted.begin(), sorted.end());
    std::vector<int> all(FButtons.size());
    std::iota(all.begin(), all.end(), 0);
    if (sorted != all) return; // not every item once: the order stays
    FOrder = Indexes;
    Arrange();
}

int TRadioGroup::NeededWidth() const
{
    int widest = 0;
    for (QRadioButton* button : FButtons)
        widest = std::max(widest, button->sizeHint().width());
    return kLeft + FColumns * widest + kRight;
}

void TRadioGroup::resizeEvent(QResizeEvent* event)
{
    QGroupBox::resizeEvent(event);
    Arrange();
}

// Items fill the box column by column, in rows of equal height.
void TRadioGroup::Arrange()
{
    if (FButtons.empty()) return;
    const int rows = (Count() + FColumns - 1) / FColumns;
    const int columnWidth = (width() - kLeft - kRight) / FColumns;
    const int rowHeight = (height() - kCaptionHeight - 4) / rows;
    for (int i = 0; i < Count(); ++i) {
        const int column = i / rows, row = i % rows;
        QRadioButton* button = ItemAt(i);
        const int h = std::min(rowHeight, button->sizeHint().height());
        button->setGeometry(kLeft + column * columnWidth,
            kCaptionHeight + row * rowHeight + (rowHeight - h) / 2, columnWidth, h);
    }
}
