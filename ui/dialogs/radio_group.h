#pragma once

#include <QGroupBox>
#include <QStringList>

#include <vector>

class QButtonGroup;
class QRadioButton;

// A captioned box of radio buttons laid out in columns, read and set by item
// index. One item is always selected: an index below 0 selects the group's
// default item and one past the last selects the last, so a reader never
// meets "no item".
class TRadioGroup : public QGroupBox {
    Q_OBJECT
public:
    TRadioGroup(const QString& Caption, const QStringList& Items, int DefaultIndex,
        QWidget* parent = nullptr);

    int ItemIndex() const;
    void SetItemIndex(int Value);
    void SetColumns(int Value);
    // The items' places in the box, as item indexes (a permutation); by
    // default the indexes in turn. Indexes keep their meaning.
    void SetDisplayOrder(const std::vector<int>& Indexes);
    QRadioButton* Item(int Index) const { return FButtons.at(Index); }
    // The item shown at a place, counted down the columns.
    QRadioButton* ItemAt(int Place) const { return FButtons.at(FOrder.at(Place)); }
    int Count() const { return int(FButtons.size()); }
    // The width the box needs to show its widest item whole in every column.
    int NeededWidth() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Arrange();

    QButtonGroup* FGroup;
    std::vector<QRadioButton*> FButtons;
    std::vector<int> FOrder;
    int FDefaultIndex;
    int FColumns = 1;
};
