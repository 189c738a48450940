#include "outside/qt/HighlightEdit.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "model/LadderProgram.h"
#include "platform/FileIo.h"
#include "platform/MessageBox.h"
#include "platform/Text.h"

namespace vx {
namespace {

HighlightEditPresenter& Presenter() {
    static HighlightEditPresenter presenter;
    return presenter;
}

QTextCharFormat Format(const QColor& colour, bool bold = false, bool italic = false) {
    QTextCharFormat format;
    format.setForeground(colour);
    if (bold) format.setFontWeight(QFont::Bold);
    format.setFontItalic(italic);
    return format;
}

QString WithCrLf(const QString& text) {
    QString out = text;
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    out.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return out;
}

}  // namespace

TCHighlighter::TCHighlighter(QTextDocument* document) : QSyntaxHighlighter(document) {
    const QString keywords =
        "auto|break|case|char|const|continue|default|do|double|else|enum|extern|float|for|goto|"
        "if|inline|int|long|register|restrict|return|short|signed|sizeof|static|struct|switch|"
        "typedef|union|unsigned|void|volatile|while|_Bool";
    const QString types = "INT8U|INT8|INT16U|INT16|INT32U|INT32|FP32|FP64|TRUE|FALSE";
    rules_.push_back({QRegularExpression("\\b(" + keywords + ")\\b"), Format(Qt::darkBlue, true)});
    rules_.push_back({QRegularExpression("\\b(" + types + ")\\b"), Format(Qt::darkMagenta, true)});
    rules_.push_back({QRegularExpression(
                          "\\b(0[xX][0-9A-Fa-f]+|[0-9]+\\.?[0-9]*([eE][-+]?[0-9]+)?)[uUlLfF]*\\b"),
                      Format(Qt::darkCyan)});
    rules_.push_back({QRegularExpression("^\\s*#.*$"), Format(QColor(0x80, 0x40, 0x00))});
    rules_.push_back(
        {QRegularExpression("\"([^\"\\\\]|\\\\.)*\"|'([^'\\\\]|\\\\.)*'"), Format(Qt::darkRed)});
    comment_ = Format(Qt::darkGreen, false, true);
}

void TCHighlighter::highlightBlock(const QString& text) {
    for (const Rule& rule : rules_) {
        for (auto it = rule.pattern.globalMatch(text); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            setFormat(static_cast<int>(m.capturedStart()), static_cast<int>(m.capturedLength()),
                      rule.format);
        }
    }
    // Comments last, over everything else; a block comment may run on.
    setCurrentBlockState(0);
    qsizetype i = previousBlockState() == 1 ? 0 : -1;
    if (i == 0) {
        const qsizetype end = text.indexOf(QStringLiteral("*/"));
        if (end < 0) {
            setFormat(0, static_cast<int>(text.size()), comment_);
            setCurrentBlockState(1);
            return;
        }
        setFormat(0, static_cast<int>(end + 2), comment_);
        i = end + 2;
    } else {
        i = 0;
    }
    bool inString = false;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == '"' && (i == 0 || text[i - 1] != '\\')) inString = !inString;
        if (inString || c != '/' || i + 1 >= text.size()) continue;
        if (text[i + 1] == '/') {
            setFormat(static_cast<int>(i), static_cast<int>(text.size() - i), comment_);
            return;
        }
        if (text[i + 1] == '*') {
            const qsizetype end = text.indexOf(QStringLiteral("*/"), i + 2);
            if (end < 0) {
                setFormat(static_cast<int>(i), static_cast<int>(text.size() - i), comment_);
                setCurrentBlockState(1);
                return;
            }
            setFormat(static_cast<int>(i), static_cast<int>(end + 2 - i), comment_);
            i = end + 1;
        }
    }
}

THighlightEditFrm::THighlightEditFrm(const QString& caption, std::string path, QWidget* parent)
    : QDialog(parent),
      chinese_(!caption.startsWith(QStringLiteral("C Language"))),
      path_(std::move(path)) {
    setObjectName(QStringLiteral("HighlightEditFrm"));
    setWindowTitle(caption);
    setModal(true);
    resize(800, 600);

    editor_ = new QPlainTextEdit(this);
    editor_->setObjectName(QStringLiteral("Editor"));
    editor_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    editor_->setLineWrapMode(QPlainTextEdit::NoWrap);
    editor_->setTabStopDistance(editor_->fontMetrics().horizontalAdvance(' ') * 4);
    new TCHighlighter(editor_->document());

    auto* save =
        new QPushButton(chinese_ ? QStringLiteral("保存(&S)") : QStringLiteral("&Save"), this);
    save->setObjectName(QStringLiteral("SaveButton"));
    auto* close =
        new QPushButton(chinese_ ? QStringLiteral("关闭(&C)") : QStringLiteral("&Close"), this);
    close->setObjectName(QStringLiteral("CloseButton"));
    auto* position = new QLabel(this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(position, 1);
    buttons->addWidget(save);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(editor_, 1);
    layout->addLayout(buttons);

    connect(save, &QPushButton::clicked, this, &THighlightEditFrm::Save);
    connect(close, &QPushButton::clicked, this, &THighlightEditFrm::reject);
    auto* shortcut = new QShortcut(QKeySequence::Save, this);
    connect(shortcut, &QShortcut::activated, this, &THighlightEditFrm::Save);
    connect(editor_, &QPlainTextEdit::cursorPositionChanged, this, [this, position] {
        const QTextCursor cursor = editor_->textCursor();
        position->setText(QStringLiteral("%1 : %2")
                              .arg(cursor.blockNumber() + 1)
                              .arg(cursor.positionInBlock() + 1));
    });
    connect(editor_->document(), &QTextDocument::modificationChanged, this,
            [this, caption](bool changed) { setWindowTitle(changed ? caption + " *" : caption); });
}

bool THighlightEditFrm::Load() {
    const std::optional<std::string> bytes = ReadWholeFile(path_);
    editor_->setPlainText(bytes ? QString::fromStdString(GbkToUtf8(*bytes)) : QString());
    editor_->document()->setModified(false);
    return bytes.has_value();
}

bool THighlightEditFrm::Save() {
    const std::string text = WithCrLf(editor_->toPlainText()).toStdString();
    const IoResult written = WriteFileAtomically(path_, Utf8ToGbk(text));
    if (!written) {
        ShowMessage({kProductTitle, written.error, MsgIcon::Exclamation, MsgButtons::Ok});
        return false;
    }
    editor_->document()->setModified(false);
    return true;
}

bool THighlightEditFrm::Modified() const {
    return editor_->document()->isModified();
}

void THighlightEditFrm::reject() {
    if (Modified()) {
        const MsgAnswer answer = ShowMessage(
            {kProductTitle,
             chinese_ ? "函数已修改，是否保存 ？" : "The function has changed. Save it?",
             MsgIcon::Question, MsgButtons::YesNoCancel});
        if (answer == MsgAnswer::Cancel) return;
        if (answer == MsgAnswer::Yes && !Save()) return;
    }
    QDialog::reject();
}

void ShowHighlightEdit(QWidget* owner, const std::string& caption, const std::string& path) {
    if (Presenter()) {
        Presenter()(owner, caption, path);
        return;
    }
    THighlightEditFrm frm(QString::fromStdString(caption), path, owner);
    frm.Load();
    frm.exec();
}

HighlightEditPresenter SetHighlightEditPresenter(HighlightEditPresenter presenter) {
    HighlightEditPresenter old = std::move(Presenter());
    Presenter() = std::move(presenter);
    return old;
}

}  // namespace vx
