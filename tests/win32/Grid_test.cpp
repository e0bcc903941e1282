// The grid control with real windows: the index error, the selectability
// hook and the click notification, the painting hook's cells and states,
// and the border styles.
#include <gtest/gtest.h>

#include <map>
#include <utility>

#include "platform/Exceptions.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/Grid.h"

namespace {

// A grid that opens its protected operations and records its hooks.
class TProbeGrid : public TCustomGrid {
public:
    explicit TProbeGrid(TComponent* owner) : TCustomGrid(owner) {}
    using TCustomGrid::FocusCell;
    using TCustomGrid::MoveCurrent;
    using TCustomGrid::SetRowCount;

    bool refuse = false;
    int clicks = 0;
    std::map<std::pair<int, int>, std::pair<RECT, TGridDrawState>> painted;

    void Click() override { ++clicks; }

protected:
    bool CanSelectCell(int, int) override { return !refuse; }
    void PaintCell(int col, int row, const RECT& rect, TGridDrawState state) override {
        EXPECT_NE(nullptr, Canvas());
        painted[{col, row}] = {rect, state};
    }
};

class GridTest : public ::testing::Test {
protected:
    GridTest() {
        form_ = new TForm(Application);
        form_->SetBounds(0, 0, 420, 260);
        grid_ = new TProbeGrid(form_);
        grid_->SetParent(form_);
        grid_->SetBounds(8, 8, 400, 200);  // room for all 5 x 5 cells
        form_->CreateHandleTree();
        form_->Show();
        Application->ProcessMessages();
    }
    ~GridTest() override { delete form_; }

    // Paints the whole grid now and returns what the hook saw.
    void Repaint() {
        grid_->painted.clear();
        InvalidateRect(grid_->Handle(), nullptr, FALSE);
        UpdateWindow(grid_->Handle());
    }

    TGridDrawState StateOf(int col, int row) { return grid_->painted.at({col, row}).second; }
    bool Painted(int col, int row) { return grid_->painted.count({col, row}) != 0; }

    TForm* form_;
    TProbeGrid* grid_;
};

TEST_F(GridTest, CellsOutsideTheGridRaiseTheIndexError) {
    for (std::pair<int, int> cell : {std::pair{5, 1}, {1, 5}, {-1, 1}, {1, -1}}) {
        try {
            grid_->MoveCurrent(cell.first, cell.second, true, true);
            ADD_FAILURE() << "moved to " << cell.first << "," << cell.second;
        } catch (const EInvalidGridOperation& e) {
            EXPECT_STREQ("Grid index out of range", e.what());
        }
    }
    EXPECT_EQ(1, grid_->Col());
    EXPECT_EQ(1, grid_->Row());
    EXPECT_THROW(grid_->FocusCell(9, 9, true), EInvalidGridOperation);
    EXPECT_EQ(0, grid_->clicks);
}

TEST_F(GridTest, FocusingNotifiesTheClickEvenWhenTheMoveIsRefused) {
    grid_->MoveCurrent(3, 2, true, false);
    EXPECT_EQ(0, grid_->clicks);  // a plain move notifies nothing
    grid_->refuse = true;
    grid_->FocusCell(4, 4, true);
    EXPECT_EQ(3, grid_->Col());
    EXPECT_EQ(1, grid_->clicks);
    grid_->refuse = false;
    grid_->FocusCell(4, 4, true);
    EXPECT_EQ(4, grid_->Col());
    EXPECT_EQ(2, grid_->clicks);
}

TEST_F(GridTest, PaintsEveryCellWithItsRectangleAndState) {
    Repaint();
    ASSERT_EQ(25u, grid_->painted.size());
    const auto& [rect, state] = grid_->painted[{2, 3}];
    EXPECT_EQ(2 * 65, rect.left);  // default 64 wide, 24 high, 1-pixel lines
    EXPECT_EQ(3 * 25, rect.top);
    EXPECT_EQ(2 * 65 + 64, rect.right);
    EXPECT_EQ(0u, state);
    EXPECT_EQ(unsigned(gdFixed), StateOf(0, 3));
    EXPECT_EQ(unsigned(gdFixed), StateOf(3, 0));
    // Focused, the current cell shows the focus instead of the highlight...
    grid_->SetFocus();
    Repaint();
    EXPECT_EQ(unsigned(gdFocused), StateOf(1, 1));
    ::SetFocus(nullptr);  // without the focus: the highlight
    Repaint();
    EXPECT_EQ(unsigned(gdSelected), StateOf(1, 1));
    grid_->SetFocus();
    // ...unless the options ask for both.
    grid_->SetOptions(grid_->Options() | goDrawFocusSelected);
    Repaint();
    EXPECT_EQ(unsigned(gdFocused | gdSelected), StateOf(1, 1));

    // A block from the anchor to the current cell is selected.
    grid_->MoveCurrent(3, 2, false, true);
    Repaint();
    EXPECT_EQ(unsigned(gdSelected), StateOf(2, 1));
    EXPECT_EQ(unsigned(gdSelected | gdFocused), StateOf(3, 2));
    EXPECT_EQ(0u, StateOf(4, 2));
}

TEST_F(GridTest, KeysScrollRowsThatDoNotFit) {
    grid_->SetRowCount(20);
    grid_->SetFocus();
    for (int i = 0; i < 9; ++i) SendMessageA(grid_->Handle(), WM_KEYDOWN, VK_DOWN, 1);
    EXPECT_EQ(10, grid_->Row());
    EXPECT_EQ(9, grid_->clicks);
    RECT client;
    GetClientRect(grid_->Handle(), &client);
    const RECT r = grid_->CellRect(1, 10);
    EXPECT_GT(r.bottom, r.top);  // scrolled into view, whole
    EXPECT_LE(r.bottom, client.bottom);
    EXPECT_GT(grid_->TopRow(), 1);
    Repaint();
    EXPECT_FALSE(Painted(1, 1));  // scrolled out
    EXPECT_TRUE(Painted(1, 0));  // the header stays
}

TEST_F(GridTest, BorderFollowsBorderStyleAndCtl3D) {
    auto styles = [this] {
        return std::pair{(GetWindowLongPtrA(grid_->Handle(), GWL_STYLE) & WS_BORDER) != 0,
                         (GetWindowLongPtrA(grid_->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0};
    };
    EXPECT_EQ(std::pair(false, true), styles());
    grid_->SetCtl3D(false);
    EXPECT_EQ(std::pair(true, false), styles());
    grid_->SetBorderStyle(TBorderStyle::bsNone);
    EXPECT_EQ(std::pair(false, false), styles());
    RECT client;
    GetClientRect(grid_->Handle(), &client);
    EXPECT_EQ(400, client.right);  // the frame change took effect
}

}  // namespace
