// Every text a window shows, for the language sweep: titles, captions,
// hints, list and tab entries, headers and items of item views, painted
// captions, each with the path of the widget that shows it.
#pragma once

#include <QString>
#include <QWidget>
#include <vector>

namespace vx::test {

struct ShownText {
    QString path;  // "MainFrm/Panel1/TreeView1:item[0]"
    QString text;
};

// The texts the window and everything inside it show or can show (hidden
// parts included: they show once opened).
std::vector<ShownText> ShownTexts(const QWidget* window);

// CJK ideographs and punctuation, full-width forms.
bool HasChinese(const QString& text);

// Text of the tool's own in English: two words or more of Latin letters
// (a word holding two lower-case letters at least) and no Chinese.
bool IsEnglishPhrase(const QString& text);

}  // namespace vx::test
