#pragma once
#include "platform/win32/child_window.h"

namespace parcelo::win32 {

// A list view in report mode: a check box, the shell's small icon and the columns of each row,
// renamed in place. Space turns the focused row's box over, F2 renames it, Delete raises DeleteKey.
class Win32ReportList : public WindowControl<ReportList> {
public:
    Win32ReportList(Win32Form& form, const ControlDesign& design, HWND parent);

    void setRows(const std::vector<ListRow>& rows) override;
    void setCell(size_t row, size_t column, const std::string& text) override;
    void setIcon(size_t row, const std::string& iconPath) override;
    bool rowChecked(size_t row) const override;
    void setRowChecked(size_t row, bool checked) override;
    std::vector<size_t> selectedRows() const override;
    void selectRows(const std::vector<size_t>& rows) override;
    void beginRename(size_t row) override;
    size_t eventRow() const override { return eventRow_; }
    std::string typedName() const override { return typed_; }

    LRESULT onNotify(const NMHDR& header) override;
    void applyDpi() override;

private:
    int columns_ = 0;
    bool quiet_ = false;  // changes the program makes raise nothing
    size_t eventRow_ = 0;
    std::string typed_;
};

}  // namespace parcelo::win32
