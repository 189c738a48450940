// The C source editor the tool opens for a project's C block
// (`ShowHighlightEdit`): a modal window with the file's text, C syntax
// colouring and a save command. The file (GBK, CR LF) is read when the
// window opens and written only when the user saves; closing with unsaved
// changes asks whether to save them.
#pragma once

#include <QDialog>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSyntaxHighlighter>
#include <QTextCharFormat>
#include <functional>
#include <string>
#include <vector>

namespace vx {

// Colours C: keywords and types, preprocessor lines, comments (also across
// lines), strings and characters, numbers.
class TCHighlighter : public QSyntaxHighlighter {
    Q_OBJECT
  public:
    explicit TCHighlighter(QTextDocument* document);

  protected:
    void highlightBlock(const QString& text) override;

  private:
    struct Rule {
        QRegularExpression pattern;
        QTextCharFormat format;
    };
    std::vector<Rule> rules_;
    QTextCharFormat comment_;
};

class THighlightEditFrm : public QDialog {
    Q_OBJECT
  public:
    THighlightEditFrm(const QString& caption, std::string path, QWidget* parent = nullptr);

    // Reads the file; false (and an empty text) when it cannot be read.
    bool Load();
    // Writes the text to the file (GBK, CR LF, atomically); false after telling
    // the user why it failed.
    bool Save();
    bool Modified() const;
    QPlainTextEdit* Editor() const { return editor_; }
    // Esc, the close button and the close box: asks about unsaved changes.
    void reject() override;

  private:
    bool chinese_;
    std::string path_;
    QPlainTextEdit* editor_ = nullptr;
};

// The editor window for the file, modal over `owner`; returns when it closes.
void ShowHighlightEdit(QWidget* owner, const std::string& caption, const std::string& path);

// Replaces what ShowHighlightEdit does (tests install their own); returns the
// one before. An empty function restores the window.
using HighlightEditPresenter =
    std::function<void(QWidget* owner, const std::string& caption, const std::string& path)>;
HighlightEditPresenter SetHighlightEditPresenter(HighlightEditPresenter presenter);

}  // namespace vx
