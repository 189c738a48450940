#include "build/qt/Client_Opt.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>

#include "build/Plugins.h"
#include "platform/Text.h"
#include "platform/qt/ProgramText.h"
#include "styling/skin/qt/FlatSkin.h"

namespace vx {

TClient_OptFrm::TClient_OptFrm(std::string programFolder, QWidget* parent)
    : QDialog(parent), programFolder_(std::move(programFolder)) {
    setObjectName(QStringLiteral("Client_OptFrm"));
    setWindowTitle(QStringLiteral("特殊插件选择(双击列表 *.dll 选中)"));
    setModal(true);
    resize(520, 320);
    TFlatSkin::ForDialog(this);

    fileListBox1_ = new QListWidget(this);
    fileListBox1_->setObjectName(QStringLiteral("FileListBox1"));
    fileListBox1_->setMouseTracking(true);
    // The plug-ins found and the chosen one's description are the program's:
    // no language file renames a plug-in that OK then stores in the project.
    MarkProgramText(fileListBox1_);
    auto* heading = new QLabel(QStringLiteral(" 插件描述"), this);
    memo1_ = new QPlainTextEdit(this);
    memo1_->setObjectName(QStringLiteral("Memo1"));
    memo1_->setReadOnly(true);
    MarkProgramText(memo1_);
    checkBox1_ = new QCheckBox(QStringLiteral("使用"), this);
    checkBox1_->setObjectName(QStringLiteral("CheckBox1"));
    edit1_ = new QLineEdit(this);
    edit1_->setObjectName(QStringLiteral("Edit1"));
    auto* ok = new QPushButton(QStringLiteral("确认(&Y)"), this);
    ok->setObjectName(QStringLiteral("BitBtn1"));
    ok->setDefault(true);

    auto* layout = new QGridLayout(this);
    layout->addWidget(fileListBox1_, 0, 0, 3, 1);
    layout->addWidget(heading, 0, 1, 1, 2);
    layout->addWidget(memo1_, 1, 1, 1, 2);
    layout->addWidget(checkBox1_, 2, 1);
    layout->addWidget(edit1_, 3, 0);
    layout->addWidget(ok, 3, 2);
    layout->setColumnStretch(1, 1);

    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().x() + (screen->geometry().width() - width()) / 2, 100);

    // A file chosen in the list is described. Only a selection counts: when
    // the list takes the focus with no row chosen, Qt makes its first row
    // current without selecting it, and that row is no choice of the user's.
    connect(fileListBox1_, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> selected = fileListBox1_->selectedItems();
        if (selected.isEmpty()) return;
        noted_ = selected.first()->text().toStdString();
        ShowDescription(noted_);
    });
    connect(fileListBox1_, &QListWidget::itemEntered, this, [this](QListWidgetItem* item) {
        fileListBox1_->setToolTip(item ? item->text() : QString());
    });
    connect(fileListBox1_, &QListWidget::itemDoubleClicked, this,
            [this] { edit1_->setText(QString::fromStdString(noted_)); });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    FillList();
}

void TClient_OptFrm::FillList() {
    fileListBox1_->clear();
    for (const std::string& name : ListPlugins(programFolder_))
        fileListBox1_->addItem(QString::fromStdString(name));
}

void TClient_OptFrm::FormShow(const LadderProgram& program) {
    FillList();
    checkBox1_->setChecked(program.usePlugin == 1);
    edit1_->setText(QString::fromStdString(program.pluginName));
    SelectChosen(program.pluginName);
    ShowDescription(program.pluginName);
}

void TClient_OptFrm::SelectChosen(const std::string& name) {
    // The project's plug-in is the list's current row, so that the list
    // opens on it; a name the folder does not hold leaves no row chosen.
    const QSignalBlocker quiet(fileListBox1_);
    fileListBox1_->setCurrentRow(-1);
    noted_.clear();
    if (name.empty()) return;
    int row = -1;
    for (int i = 0; i < fileListBox1_->count(); ++i) {
        const std::string listed = fileListBox1_->item(i)->text().toStdString();
        if (listed == name) {
            row = i;
            break;
        }
        if (row < 0 && EqualsNoCase(listed, name)) row = i;
    }
    if (row < 0) return;
    fileListBox1_->setCurrentRow(row);
    noted_ = fileListBox1_->item(row)->text().toStdString();
}

void TClient_OptFrm::ShowDescription(const std::string& name) {
    memo1_->setPlainText(QString::fromStdString(PluginDescription(programFolder_, name)));
}

void TClient_OptFrm::Commit(LadderProgram& program) const {
    program.usePlugin = checkBox1_->isChecked() ? 1 : 0;
    program.pluginName = edit1_->text().toStdString();
}

}  // namespace vx
