// Actions on controls: a QAction that also carries a group index, an image
// index and the action list whose images it shows (TCustomAction), and the
// link through which a control follows its action (TControlActionLink).
//
// A control linked to an action takes the action's caption, enabled state,
// hint and visibility whenever the action changes (ActionChange); values the
// control can also change itself (checked, group index, image index) follow
// only while the control still shows the action's last value, so a button
// the user pressed keeps its own state. A click of the control triggers the
// action.
#pragma once

#include <QAction>
#include <QPointer>
#include <QString>

#include "platform/paint/ImageList.h"

namespace vx {

class TCustomControl;

// The property of an action that holds its image index; the styled menus
// read the same property of their items.
inline constexpr const char* kActionImageIndex = "ImageIndex";

// The image index an action carries (-1 when it carries none).
int ActionImageIndex(const QAction& action);

// The action's hint: its tool tip when one was set (Qt answers the text
// without '&' otherwise), else empty.
QString ActionHint(const QAction& action);

// The actions of one list share its images.
class TActionList : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;
    TImageList* Images() const { return images_.data(); }
    void SetImages(TImageList* images);

  signals:
    void ImagesChanged();

  private:
    QPointer<TImageList> images_;
};

class TCustomAction : public QAction {
    Q_OBJECT
  public:
    explicit TCustomAction(QObject* parent = nullptr);
    TCustomAction(const QString& text, QObject* parent);

    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int index);
    int ImageIndex() const { return ActionImageIndex(*this); }
    void SetImageIndex(int index);
    TActionList* ActionList() const { return list_.data(); }
    void SetActionList(TActionList* list);

  private:
    int groupIndex_ = 0;
    QPointer<TActionList> list_;
};

// The image list and index a control shows for its action: those of a
// custom action whose action list has images; null (and index untouched)
// otherwise.
TImageList* ActionImages(const QAction* action, int* index);

class TControlActionLink : public QObject {
    Q_OBJECT
  public:
    explicit TControlActionLink(TCustomControl& client);
    ~TControlActionLink() override;

    QAction* Action() const { return action_.data(); }
    // The action when it is a custom action, else null.
    TCustomAction* CustomAction() const;
    // Follows another action (null: none); the client takes its values
    // through ActionChange.
    void SetAction(QAction* action);
    // Runs the action, as a click of the client does.
    void Execute();

    // Whether the client still shows the action's value as last seen.
    virtual bool IsCheckedLinked();
    virtual bool IsGroupIndexLinked() const;
    virtual bool IsImageIndexLinked() const;
    // The action's value changed to `value` (the client follows when linked).
    virtual void SetChecked(bool value) { (void)value; }
    virtual void SetGroupIndex(int value) { (void)value; }
    virtual void SetImageIndex(int value) { (void)value; }

    // The control's share of ActionChange: caption, enabled state, hint and
    // visibility from the action (with checkDefaults only where the control
    // still has its default). Returns whether the visibility changed.
    static bool TakeControlValues(TCustomControl& client, const QAction& action,
                                  bool checkDefaults);

  protected:
    // The client takes the action's values after a change.
    virtual void Change() = 0;

    // The action's values as last seen.
    struct Values {
        bool checked = false;
        int groupIndex = 0;
        int imageIndex = -1;
    };
    const Values& Seen() const { return seen_; }

  private:
    void ActionChanged();
    static Values ValuesOf(const QAction& action);

    TCustomControl& client_;
    QPointer<QAction> action_;
    Values seen_;
};

}  // namespace vx
