// The about box `TaboutForm` (unit about): the product title and version on
// a gradient background, the mail and web links, a flat "OK" button, and the
// hidden model list `PlcSeries` (the 11 controller series, the first chosen).
// It also gives the model link-library table the compile links with, which
// is the build's own table (ModelLibraryTable), not a copy.
//
// The links show captions: the mail link the support address (and no mail
// link at all when the build has none), the web link "用户手册" (a language
// text); what they open is kept apart. Their two clicks serve the start page
// and the help menu too; what opens a link is the owner's (`Opens()`).
#pragma once

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <array>
#include <functional>
#include <string>

#include "build/CompileValues.h"
#include "editor/qt/LinkLabel.h"
#include "widgets/qt/WgBckgnd.h"

namespace vx {

class TaboutForm : public QDialog {
    Q_OBJECT
  public:
    // The mail link opens its target (MailLinkTarget), the web link its text.
    struct Openers {
        std::function<void(const std::string& target)> mail;
        std::function<void(const std::string& link)> web;
    };

    // `mailAddress` and `programFolder` give the two links' addresses.
    TaboutForm(const std::string& mailAddress, const std::string& programFolder,
               QWidget* parent = nullptr);

    Openers& Opens() { return opens_; }
    // What the links open: "mailto:" + the address (empty when there is
    // none), and the user guide's first page.
    const std::string& MailLink() const { return mailLink_; }
    const std::string& WebLink() const { return webLink_; }

    QLabel* Label2() const { return label2_; }
    TLinkLabel* Label5() const { return label5_; }
    TLinkLabel* Label6() const { return label6_; }
    QLabel* Image1() const { return image1_; }
    QLabel* Image2() const { return image2_; }
    QPushButton* OkButton() const { return ok_; }
    QComboBox* PlcSeries() const { return plcSeries_; }
    static const std::array<std::string, kModelSeriesCount * kModelVersionsPerSeries>&
    ModelLibraries();
    // The product picture (the logo beside the title).
    static QPixmap Logo(int size);

    void Label5Click();
    void Label6Click();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    Openers opens_;
    std::string mailLink_;
    std::string webLink_;
    TWgBackground* background_ = nullptr;
    QLabel* label2_ = nullptr;
    TLinkLabel* label5_ = nullptr;
    TLinkLabel* label6_ = nullptr;
    QLabel* image1_ = nullptr;
    QLabel* image2_ = nullptr;
    QPushButton* ok_ = nullptr;
    QComboBox* plcSeries_ = nullptr;
};

}  // namespace vx
