#pragma once
// The information window: version, user, the delivery note levering.txt
// from the data folder and a mail link.
#include <QDialog>
#include <QPointer>
#include <QUrl>

#include "calc/Wegdek.h"
#include "shared_ui/Dialogen.h"

class QAction;
class QLabel;
class QTextBrowser;
class QToolButton;

namespace tarvo {

class frmAbout : public QDialog {
  Q_OBJECT
 public:
  // mnuTaakInfo is disabled while the window is open.
  frmAbout(const Catalogus& catalogus, Dialogen& dialogen, const QString& dataMap, QAction* mnuTaakInfo,
           QWidget* ouder = nullptr);
  ~frmAbout() override;

  QLabel* lblVersion() const { return lblVersion_; }
  QLabel* Label2() const { return label2_; }
  QLabel* lblDisclaimer() const { return lblDisclaimer_; }
  QTextBrowser* txtLevering() const { return txtLevering_; }
  QToolButton* Image2() const { return image2_; }
  // The address Image2 hands to the mail program.
  QUrl MailAdres() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void MaakTeksten(const Catalogus& catalogus);
  void MaakLevering(Dialogen& dialogen, const QString& dataMap);
  void Image2_Click();
  void FormUnload();

  QPointer<QAction> mnuTaakInfo_;
  QLabel* lblTitle_ = nullptr;
  QLabel* lblVersion_ = nullptr;
  QLabel* label2_ = nullptr;
  QLabel* lblDisclaimer_ = nullptr;
  QTextBrowser* txtLevering_ = nullptr;
  QToolButton* image2_ = nullptr;
};

}  // namespace tarvo
