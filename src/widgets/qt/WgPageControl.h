// `TWgPageControl`: a tab strip whose tabs are pages. Each page is a
// TWgTabSheet that fills the card; each page with a visible tab has a tab
// (so a tab index counts only those pages), and selecting a tab shows its
// page and hides the one before. Moving the focus follows the window's
// rules: a control with the focus on the old page hands it to the new page's
// first control.
#pragma once

#include <QVector>

#include "widgets/qt/WgTabSheet.h"
#include "widgets/qt/WgTabs.h"

namespace vx {

class TWgPageControl : public TWgCustomTabControl {
    Q_OBJECT
  public:
    explicit TWgPageControl(QWidget* parent = nullptr);
    ~TWgPageControl() override;

    int PageCount() const { return static_cast<int>(pages_.size()); }
    TWgTabSheet* Pages(int index) const;

    TWgTabSheet* ActivePage() const { return activePage_; }
    // Shows the page (a page of another page control is ignored); while
    // loading it is only stored.
    void SetActivePage(TWgTabSheet* page);
    // -1 without an active page; a valid index activates that page,
    // anything else leaves no tab selected.
    int ActivePageIndex() const;
    void SetActivePageIndex(int index);
    // When set, the page shown after loading in place of the stored one.
    TWgTabSheet* ActivePageDefault() const { return activePageDefault_; }
    void SetActivePageDefault(TWgTabSheet* page) { activePageDefault_ = page; }

    bool SaveResources() const { return saveResources_; }
    void SetSaveResources(bool value) { saveResources_ = value; }
    // Docking (with DockSite): a control docked here gets a page of its own,
    // captioned with its caption up to the first line break, its tab shown
    // while the control is (the next page shows when it hides); a press on
    // the tab drags the control out and a double click floats it (with
    // DblClickUndocks). The page goes with it, after the next page is
    // selected, however it leaves: undocked, moved elsewhere by code or
    // destroyed.
    bool DblClickUndocks() const { return dblClickUndocks_; }
    void SetDblClickUndocks(bool value) { dblClickUndocks_ = value; }
    void SetUseColoredTabs(bool value) override;

    // The next page with a visible tab (when checkTabVisible), wrapping;
    // none after a full circle.
    TWgTabSheet* FindNextPage(TWgTabSheet* current, bool forward, bool checkTabVisible) const;
    void SelectNextPage(bool forward, bool checkTabVisible = true);
    // The page of a docked control, and the docked control of a page.
    TWgTabSheet* DockPageOf(const TCustomControl& client) const;
    TCustomControl* DockClientOf(const TWgTabSheet* page) const;
    // A caption as a tab takes it: cut at the first line break or other
    // control character.
    static QString DockCaption(const QString& caption);
    void HideAllTabs() override;
    void ShowAllTabs() override;

  protected:
    bool CanChange(int newIndex) override;
    void Change() override;
    bool PaintCardBackground(Canvas& canvas, int row, const TRect& rect) override;
    void CloseActiveTab() override;
    void MoveActiveTab(int newIndex) override;
    bool KeepsNoSelection() const override;
    void ColorChanged() override;
    void ShowControl(QWidget* child) override;
    void Loaded() override;
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool DockOver(TCustomControl& client, TPoint at, TDockPlace& place) override;
    void DockDrop(TCustomControl& client, const TDockPlace& place) override;
    void UndockClient(TCustomControl& client) override;
    bool HoldsDockClient(const TCustomControl& client) const override;
    void DockClientChanged(TCustomControl& client, TDockNotice notice) override;

  private:
    friend class TWgTabSheet;
    void InsertPage(TWgTabSheet* page);
    void RemovePage(TWgTabSheet* page);
    void MovePage(TWgTabSheet* page, int index);
    void RebuildTabs();
    void ChangeActivePage(TWgTabSheet* page);
    TWgTabSheet* PageOfTab(int tabIndex) const;
    void FirePageChange();

    QVector<TWgTabSheet*> pages_;
    TWgTabSheet* activePage_ = nullptr;
    TWgTabSheet* storedActivePage_ = nullptr;  // set while loading
    TWgTabSheet* activePageDefault_ = nullptr;
    bool saveResources_ = false;
    bool dblClickUndocks_ = true;
    bool finishingLoad_ = false;
};

}  // namespace vx
