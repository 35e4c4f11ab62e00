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

class InfoVenster : public QDialog {
  Q_OBJECT
 public:
  // infoActie (the notification icon's "Info") is disabled while the window is open.
  InfoVenster(const Catalogus& catalogus, Dialogen& dialogen, const QString& dataMap, QAction* infoActie,
              QWidget* ouder = nullptr);
  ~InfoVenster() override;

  QLabel* versieEnGebruiker() const { return versieEnGebruiker_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // The address the mail button hands to the mail program.
  QUrl MailAdres() const;
  void MaakTeksten(const Catalogus& catalogus);
  void MaakLevering(Dialogen& dialogen, const QString& dataMap);
  void SchrijfMail();
  void GeefInfoActieVrij();

  QPointer<QAction> infoActie_;
  QLabel* titel_ = nullptr;
  QLabel* beschrijving_ = nullptr;
  QLabel* versieEnGebruiker_ = nullptr;
  QLabel* copyright_ = nullptr;
  QTextBrowser* levering_ = nullptr;
  QToolButton* mailKnop_ = nullptr;
};

}  // namespace tarvo
