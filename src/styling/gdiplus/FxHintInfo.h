// The contents of an office-style hint that tool bars, tool-bar buttons and
// glow buttons each own: a title, lines of notes, a picture and a help flag.
#pragma once

#include "styling/gdiplus/GDIPicture.h"

#include <QString>
#include <QStringList>

namespace vx {

class TFxHintInfo {
  public:
    TFxHintInfo() = default;
    TFxHintInfo(const TFxHintInfo&) = delete;
    TFxHintInfo& operator=(const TFxHintInfo&) = delete;

    // Takes over title, notes, help flag and a copy of the picture's bytes;
    // null changes nothing.
    void Assign(const TFxHintInfo* source);

    const QString& Title() const { return title_; }
    void SetTitle(const QString& title) { title_ = title; }
    const QStringList& Notes() const { return notes_; }
    void SetNotes(const QStringList& notes) { notes_ = notes; }
    // The owned picture; setting copies the source picture into it.
    TGDIPPicture& Picture() { return picture_; }
    const TGDIPPicture& Picture() const { return picture_; }
    void SetPicture(const TGDIPPicture* picture) { picture_.Assign(picture); }
    bool ShowHelp() const { return showHelp_; }
    void SetShowHelp(bool showHelp) { showHelp_ = showHelp; }
    // False, the default, is not written to a layout.
    bool ShowHelpStored() const { return showHelp_; }

  private:
    QString title_;
    QStringList notes_;
    TGDIPPicture picture_;
    bool showHelp_ = false;
};

}  // namespace vx
