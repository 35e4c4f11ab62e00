// The ring helper every window's entry fields share: where Enter and the
// arrows lead, Escape, the key filter, select-all on entry and
// when a field counts as left.
#include <QDialog>
#include <QFocusEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <memory>

#include "shared_ui/Kleuren.h"
#include "shared_ui/VeldRing.h"

using namespace tarvo;

namespace {

// A dialog with two rings: A of four fields (A0 takes every key, the others
// digits), B of two digit fields.
struct Venster {
  QDialog w;
  std::vector<QLineEdit*> a, b;
  std::unique_ptr<VeldRing> ring;

  explicit Venster(VeldRing::Escape escape) {
    auto* laag = new QVBoxLayout(&w);
    const auto maak = [&](std::vector<QLineEdit*>& lijst, int n) {
      for (int i = 0; i < n; ++i) {
        lijst.push_back(new QLineEdit(QString::number(10 * (lijst.size() + 1)), &w));
        laag->addWidget(lijst.back());
      }
    };
    maak(a, 4);
    maak(b, 2);
    ring = std::make_unique<VeldRing>(escape);
    ring->VoegRingToe({{a[0], std::nullopt}, {a[1], "0123456789"}, {a[2], "0123456789"}, {a[3], "0123456789"}});
    ring->VoegRingToe({{b[0], "0123456789"}, {b[1], "0123456789"}});
    w.show();
    QApplication::setActiveWindow(&w);
    if (!QTest::qWaitForWindowActive(&w)) qFatal("window not active");
  }
  QWidget* Na(QLineEdit* van, Qt::Key key) {
    van->setFocus();
    QTest::keyClick(van, key);
    return QApplication::focusWidget();
  }
};

}  // namespace

class TestVeldRing : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { qRegisterMetaType<QLineEdit*>(); }

  // Enter and Down forward, Up back, round at both ends, within the field's own ring.
  void rondInDeEigenRing_data() {
    QTest::addColumn<int>("ring");
    QTest::addColumn<int>("van");
    QTest::addColumn<int>("toets");
    QTest::addColumn<int>("naar");
    QTest::newRow("Enter") << 0 << 1 << int(Qt::Key_Return) << 2;
    QTest::newRow("Enter keypad") << 0 << 2 << int(Qt::Key_Enter) << 3;
    QTest::newRow("Down round") << 0 << 3 << int(Qt::Key_Down) << 0;
    QTest::newRow("Up round") << 0 << 0 << int(Qt::Key_Up) << 3;
    QTest::newRow("B Enter round") << 1 << 1 << int(Qt::Key_Return) << 0;
  }
  void rondInDeEigenRing() {
    QFETCH(int, ring);
    QFETCH(int, van);
    QFETCH(int, toets);
    QFETCH(int, naar);
    Venster v(VeldRing::Escape::Leegmaken);
    const auto& velden = ring == 0 ? v.a : v.b;
    QCOMPARE(v.Na(velden[static_cast<std::size_t>(van)], Qt::Key(toets)), velden[static_cast<std::size_t>(naar)]);
  }

  // A disabled field is passed over in either direction; alone, a field keeps the focus.
  void uitgeschakeldOvergeslagen() {
    Venster v(VeldRing::Escape::Leegmaken);
    v.a[2]->setEnabled(false);
    QCOMPARE(v.Na(v.a[1], Qt::Key_Return), v.a[3]);
    QCOMPARE(v.Na(v.a[3], Qt::Key_Up), v.a[1]);
    v.b[1]->setEnabled(false);
    QCOMPARE(v.Na(v.b[0], Qt::Key_Down), v.b[0]);
    QCOMPARE(v.ring->Volgende(v.b[0], true), nullptr);
  }

  // A refused key changes nothing, turns the field red and is reported; the
  // next good one turns it light yellow. A field without filter takes all.
  void toetsFilter() {
    Venster v(VeldRing::Escape::Leegmaken);
    QSignalSpy geweigerd(v.ring.get(), &VeldRing::Geweigerd);
    v.a[1]->setFocus();
    v.a[1]->clear();
    QTest::keyClicks(v.a[1], "4x");
    QCOMPARE(v.a[1]->text(), QString("4"));
    QCOMPARE(geweigerd.count(), 1);
    QCOMPARE(Achtergrond(v.a[1]), kRood);
    QTest::keyClicks(v.a[1], "2");
    QCOMPARE(v.a[1]->text(), QString("42"));
    QCOMPARE(Achtergrond(v.a[1]), kLichtGeel);
    v.a[0]->setFocus();
    v.a[0]->clear();
    QTest::keyClicks(v.a[0], "x,1");
    QCOMPARE(v.a[0]->text(), QString("x,1"));
    QCOMPARE(geweigerd.count(), 1);
  }

  // Escape empties the field and the dialog stays; a filtered field loses
  // its red as well. Left to the window, Escape closes the dialog as Cancel
  // and the field keeps its text.
  void escapeLeegtOfSluit() {
    Venster v(VeldRing::Escape::Leegmaken);
    v.a[2]->setFocus();
    QTest::keyClicks(v.a[2], "x");
    QTest::keyClick(v.a[2], Qt::Key_Escape);
    QCOMPARE(v.a[2]->text(), QString());
    QCOMPARE(Achtergrond(v.a[2]), kLichtGeel);
    QCOMPARE(QApplication::focusWidget(), v.a[2]);
    QVERIFY(v.w.isVisible());

    Venster s(VeldRing::Escape::Sluiten);
    s.a[2]->setFocus();
    QTest::keyClick(s.a[2], Qt::Key_Escape);
    QVERIFY(!s.w.isVisible());
    QCOMPARE(s.w.result(), int(QDialog::Rejected));
    QCOMPARE(s.a[2]->text(), QString("30"));
  }

  // Entering selects the whole text, by keyboard and by mouse click alike.
  void binnenSelecteertAlles() {
    Venster v(VeldRing::Escape::Leegmaken);
    QSignalSpy binnen(v.ring.get(), &VeldRing::Binnen);
    v.Na(v.a[0], Qt::Key_Return);
    QCOMPARE(v.a[1]->selectedText(), QString("20"));
    QTest::mouseClick(v.a[3], Qt::LeftButton, {}, QPoint(4, v.a[3]->height() / 2));
    QTRY_COMPARE(v.a[3]->selectedText(), QString("40"));
    QCOMPARE(binnen.count(), 2);
    QCOMPARE(binnen.last().at(0).value<QLineEdit*>(), v.a[3]);
  }

  // Left by the user: reported. Disabled while it has the focus, or the
  // focus going to another window: not.
  void verlaten() {
    Venster v(VeldRing::Escape::Leegmaken);
    v.a[1]->setFocus();
    QSignalSpy verlaten(v.ring.get(), &VeldRing::Verlaten);
    QTest::keyClick(v.a[1], Qt::Key_Return);
    QCOMPARE(verlaten.count(), 1);
    QCOMPARE(verlaten.last().at(0).value<QLineEdit*>(), v.a[1]);
    v.a[2]->setEnabled(false);
    QCOMPARE(verlaten.count(), 1);
    v.a[3]->setFocus();
    QFocusEvent weg(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(v.a[3], &weg);
    QCOMPARE(verlaten.count(), 1);
  }
};

QTEST_MAIN(TestVeldRing)
#include "test_veldring.moc"
