#include "ReservationFrame.h"
#include "TApplication.h"
#include "THeaderPanel.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <memory>

using velorin::finance::TFmeReservations;
using velorin::widgets::TApplication;

namespace {

const QString keep = QStringLiteral("keep");

// Result boxes in the order the instalment calculation writes them.
const QStringList instalmentResults = {"Edit6", "Edit7", "Edit10", "Edit11", "Edit8", "Edit9"};
const QStringList instalmentInputs = {"Edit4", "Edit1", "Edit2", "Edit3", "Edit5"};
const QStringList interestResults = {"Edit15", "Edit22"};
const QStringList interestInputs = {"Edit20", "Edit19", "Edit17"};

} // namespace

class TestTFmeReservations : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        TApplication::instance()->setErrorHandler([this](const QString& m) { m_errors << m; });
    }
    void init() { m_errors.clear(); }
    void cleanup() { m_page.reset(); }

    void instalment_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("inputs");  // amount, term, down payment, rate, VAT rate
        QTest::addColumn<QStringList>("results"); // Edit6, Edit7, Edit10, Edit11, Edit8, Edit9
        QTest::addColumn<QString>("error");
        const QStringList worked = {"1200", "10", "200", "1", "18"};
        const QStringList unchanged = {keep, keep, keep, keep, keep, keep};
        const QString notFloat = QStringLiteral("'%1' is not a valid floating point value");
        const QString notInt = QStringLiteral("'%1' is not a valid integer value");

        QTest::newRow("worked example, decimal point")
            << "en_US" << worked << QStringList{"1,055", "1,480.9", "225.9", "1,255", "128.09", "55"} << "";
        QTest::newRow("worked example, decimal comma")
            << "de_DE" << worked << QStringList{"1.055", "1.480,9", "225,9", "1.255", "128,09", "55"} << "";
        QTest::newRow("decimal comma input")
            << "tr_TR" << QStringList{"1200", "10", "200", "0,5", "20"}
            << QStringList{"1.027,5", "1.473", "245,5", "1.227,5", "127,3", "27,5"} << "";
        QTest::newRow("term 0 taken as 1")
            << "en_US" << QStringList{"1200", "0", "200", "1", "18"}
            << QStringList{"1,010", "1,427.8", "217.8", "1,210", "1,227.8", "10"} << "";
        QTest::newRow("negative term gives no instalments")
            << "en_US" << QStringList{"1200", "-2", "200", "1", "18"}
            << QStringList{"", "236", "36", "200", "-18", "-1,000"} << "";
        QTest::newRow("term 100") << "en_US" << QStringList{"1000", "100", "0", "1", "0"}
                                  << QStringList{"1,505", "1,505", "", "1,505", "15.05", "505"} << "";
        QTest::newRow("term 101") << "en_US" << QStringList{"1000", "101", "0", "1", "0"} << unchanged
                                  << "Range check error";
        QTest::newRow("VAT 0") << "en_US" << QStringList{"1200", "10", "200", "1", "0"}
                               << QStringList{"1,055", "1,255", "", "1,255", "105.5", "55"} << "";
        QTest::newRow("amount equal to down payment") << "en_US" << QStringList{"200", "10", "200", "1", "18"}
                                                      << QStringList{"", "236", "36", "200", "3.6", ""} << "";
        QTest::newRow("hexadecimal term")
            << "en_US" << QStringList{"1200", "$A", "200", "1", "18"}
            << QStringList{"1,055", "1,480.9", "225.9", "1,255", "128.09", "55"} << "";
        QTest::newRow("blanks around decimal numbers")
            << "en_US" << QStringList{"1200", "10", " 200 ", "  1", "18 "}
            << QStringList{"1,055", "1,480.9", "225.9", "1,255", "128.09", "55"} << "";

        QTest::newRow("empty amount")
            << "en_US" << QStringList{"", "", "", "", ""} << unchanged << notFloat.arg("");
        QTest::newRow("blank inside a number")
            << "en_US" << QStringList{"1200", "10", "2 00", "1", "18"} << unchanged << notFloat.arg("2 00");
        QTest::newRow("thousands separator")
            << "en_US" << QStringList{"1,200", "10", "200", "1", "18"} << unchanged << notFloat.arg("1,200");
        QTest::newRow("decimal point under a comma locale")
            << "de_DE" << QStringList{"1200", "10", "200", "1.5", "18"} << unchanged << notFloat.arg("1.5");
        QTest::newRow("term not whole")
            << "en_US" << QStringList{"1200", "10.5", "x", "1", "18"} << unchanged << notInt.arg("10.5");
        QTest::newRow("term with trailing blank")
            << "en_US" << QStringList{"1200", "10 ", "200", "1", "18"} << unchanged << notInt.arg("10 ");
        QTest::newRow("first failing box in reading order")
            << "en_US" << QStringList{"1200", "10", "a", "b", "c"} << unchanged << notFloat.arg("a");
        QTest::newRow("last box fails")
            << "en_US" << QStringList{"1200", "10", "200", "1", "18%"} << unchanged << notFloat.arg("18%");
    }
    void instalment()
    {
        QFETCH(QString, locale);
        QFETCH(QStringList, inputs);
        QFETCH(QStringList, results);
        QFETCH(QString, error);
        makePage(QLocale(locale));
        fill(instalmentResults, QStringList(instalmentResults.size(), keep));
        fill(instalmentInputs, inputs);
        QTest::mouseClick(button("BitBtn1"), Qt::LeftButton);
        QCOMPARE(texts(instalmentResults), results);
        QCOMPARE(m_errors, error.isEmpty() ? QStringList() : QStringList(error));
    }

    void interest_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("inputs");  // cash, term, rate
        QTest::addColumn<QStringList>("results"); // Edit15, Edit22
        QTest::addColumn<QString>("error");
        const QStringList unchanged = {keep, keep};
        const QString notFloat = QStringLiteral("'%1' is not a valid floating point value");
        const QString notInt = QStringLiteral("'%1' is not a valid integer value");
        QTest::newRow("worked example")
            << "en_US" << QStringList{"1000", "12", "5"} << QStringList{"50", "1,050"} << "";
        QTest::newRow("decimal comma")
            << "de_DE" << QStringList{"1000", "12", "2,5"} << QStringList{"25", "1.025"} << "";
        QTest::newRow("rate 0") << "en_US" << QStringList{"1000", "1", "0"} << QStringList{"", "1,000"} << "";
        QTest::newRow("empty cash") << "en_US" << QStringList{"", "", ""} << unchanged << notFloat.arg("");
        QTest::newRow("empty term") << "en_US" << QStringList{"1000", "", "5"} << unchanged << notInt.arg("");
        QTest::newRow("term read before rate")
            << "en_US" << QStringList{"1000", "1,5", "x"} << unchanged << notInt.arg("1,5");
        QTest::newRow("cash read before term")
            << "en_US" << QStringList{"abc", "x", "5"} << unchanged << notFloat.arg("abc");
        QTest::newRow("bad rate") << "en_US" << QStringList{"1000", "12", "5 %"} << unchanged
                                  << notFloat.arg("5 %");
    }
    void interest()
    {
        QFETCH(QString, locale);
        QFETCH(QStringList, inputs);
        QFETCH(QStringList, results);
        QFETCH(QString, error);
        makePage(QLocale(locale));
        fill(interestResults, QStringList(interestResults.size(), keep));
        fill(interestInputs, inputs);
        QTest::mouseClick(button("BitBtn2"), Qt::LeftButton);
        QCOMPARE(texts(interestResults), results);
        QCOMPARE(m_errors, error.isEmpty() ? QStringList() : QStringList(error));
    }

    void accelerators()
    {
        makePage(QLocale(QStringLiteral("en_US")));
        QVERIFY(QTest::qWaitForWindowActive(m_page.get()));

        // A fresh page: the empty amount is reported and nothing is written.
        QTest::keyClick(box("Edit2"), Qt::Key_H, Qt::AltModifier);
        QTRY_COMPARE(m_errors, QStringList("'' is not a valid floating point value"));
        QCOMPARE(texts(instalmentResults), QStringList(instalmentResults.size(), QString()));

        m_errors.clear();
        fill(instalmentInputs, {"1200", "10", "200", "1", "18"});
        QTest::keyClick(box("Edit5"), Qt::Key_H, Qt::AltModifier);
        QTRY_COMPARE(texts(instalmentResults),
                     QStringList({"1,055", "1,480.9", "225.9", "1,255", "128.09", "55"}));

        fill(interestInputs, {"1000", "12", "5"});
        QTest::keyClick(box("Edit17"), Qt::Key_E, Qt::AltModifier);
        QTRY_COMPARE(texts(interestResults), QStringList({"50", "1,050"}));
        QCOMPARE(m_errors, QStringList());
    }

    void systemLocaleByDefault()
    {
        // main() set the regional settings to German before the application started.
        m_page = std::make_unique<TFmeReservations>();
        m_page->show();
        fill(instalmentInputs, {"1200", "10", "200", "1", "18"});
        QTest::mouseClick(button("BitBtn1"), Qt::LeftButton);
        QCOMPARE(texts(instalmentResults),
                 QStringList({"1.055", "1.480,9", "225,9", "1.255", "128,09", "55"}));
    }

    void amountGuard()
    {
        makePage(QLocale(QStringLiteral("en_US")));
        QLineEdit* amount = box("Edit4");
        QTest::keyClicks(amount, QStringLiteral("1200"));
        QCOMPARE(amount->text(), QStringLiteral("1200"));
        QTest::keyClick(amount, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(amount, Qt::Key_Backspace);
        QCOMPARE(amount->text(), QStringLiteral("0"));

        amount->selectAll();
        QTest::keyClicks(amount, QStringLiteral("1"));
        QCOMPARE(amount->text(), QStringLiteral("1"));
        QTest::keyClick(amount, Qt::Key_Space);
        QCOMPARE(amount->text(), QStringLiteral("0"));
        QTest::keyClicks(amount, QStringLiteral("12_"));
        QCOMPARE(amount->text(), QStringLiteral("0"));

        // No other box has the guard.
        QLineEdit* downPayment = box("Edit2");
        QTest::keyClicks(downPayment, QStringLiteral("1 0_"));
        QCOMPARE(downPayment->text(), QStringLiteral("1 0_"));
        QTest::keyClick(downPayment, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(downPayment, Qt::Key_Backspace);
        QCOMPARE(downPayment->text(), QString());
    }

    void tabOrder()
    {
        makePage(QLocale(QStringLiteral("en_US")));
        QVERIFY(QTest::qWaitForWindowActive(m_page.get()));
        const QStringList expected = {"BitBtn1", "Edit8",  "Edit7",  "Edit6",  "Edit9",  "Edit5",
                                      "Edit3",   "Edit2",  "Edit1",  "Edit4",  "Edit10", "Edit11",
                                      "BitBtn2", "Edit15", "Edit17", "Edit19", "Edit20", "Edit22"};
        button("BitBtn1")->setFocus();
        QStringList reached{QApplication::focusWidget()->objectName()};
        for (int i = 1; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            reached << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(reached, expected);
    }

    void components()
    {
        makePage(QLocale(QStringLiteral("en_US")));
        auto* header = m_page->findChild<velorin::widgets::THeaderPanel*>(QStringLiteral("pnlHeader"));
        QVERIFY(header);
        QCOMPARE(header->text(), QStringLiteral("Araçlar"));

        auto* tabs = m_page->findChild<QTabWidget*>(QStringLiteral("RzPageControl1"));
        QVERIFY(tabs);
        QCOMPARE(tabs->count(), 2);
        QCOMPARE(tabs->tabText(0), QStringLiteral("Finansal Araçlar"));
        QCOMPARE(tabs->tabText(1), QStringLiteral("TabSheet2"));
        QCOMPARE(tabs->currentWidget()->objectName(), QStringLiteral("TabSheet1"));
        QVERIFY(tabs->font().bold());
        tabs->setCurrentIndex(1);
        QCOMPARE(tabs->currentWidget()->objectName(), QStringLiteral("TabSheet2"));
        QVERIFY(tabs->currentWidget()->children().isEmpty());

        QCOMPARE(label("Panel3")->text(), QStringLiteral("Vadeli Ödeme Hesapları"));
        QCOMPARE(label("Panel4")->text(), QStringLiteral("Faiz Hesapları"));
        QCOMPARE(m_page->findChild<QWidget*>(QStringLiteral("Panel1"))->geometry(), QRect(1, 36, 273, 305));
        QCOMPARE(m_page->findChild<QWidget*>(QStringLiteral("Panel2"))->geometry(), QRect(281, 36, 273, 305));

        // Each box is named by the label beside it.
        const QList<QPair<QString, QString>> captions = {{"Edit4", "Hesaplanacak Tutar"},
                                                         {"Edit1", "Vade (Ay)"},
                                                         {"Edit2", "Peşinat"},
                                                         {"Edit3", "Aylık Faiz Oranı"},
                                                         {"Edit5", "K. D. V. Oranı"},
                                                         {"Edit9", "Vade Farkı"},
                                                         {"Edit6", "Taksit Tutarı"},
                                                         {"Edit11", "Toplam"},
                                                         {"Edit10", "K. D. V."},
                                                         {"Edit8", "Aylık Taksit"},
                                                         {"Edit7", "K.D.V. li Toplam"},
                                                         {"Edit20", "Peşin Tutar"},
                                                         {"Edit19", "Vade"},
                                                         {"Edit17", "Faiz Oranı"},
                                                         {"Edit15", "Vade Farkı"},
                                                         {"Edit22", "Toplam"}};
        for (const auto& [edit, caption] : captions) {
            const QList<QLabel*> labels = box(edit)->parentWidget()->findChildren<QLabel*>();
            const auto it = std::find_if(labels.begin(), labels.end(),
                                         [&, e = edit](QLabel* l) { return l->buddy() == box(e); });
            QVERIFY2(it != labels.end(), qPrintable(edit));
            QCOMPARE((*it)->text(), caption);
            QCOMPARE((*it)->y(), box(edit)->y());
            QVERIFY(box(edit)->text().isEmpty());
        }
        QCOMPARE(box("Edit4")->size(), QSize(134, 21));
        QCOMPARE(box("Edit6")->size(), QSize(135, 23));
        QCOMPARE(box("Edit6")->palette().color(QPalette::Text), QColor(Qt::red));
        QVERIFY(!box("Edit6")->isReadOnly());

        for (const char* name : {"BitBtn1", "BitBtn2"}) {
            QPushButton* b = button(name);
            QCOMPARE(b->size(), QSize(244, 25));
            const QImage glyph = b->icon().pixmap(16, 16).toImage();
            const QImage disabled = b->icon().pixmap(16, 16, QIcon::Disabled).toImage();
            QVERIFY(!glyph.isNull());
            QVERIFY(glyph.pixelColor(8, 8).alpha() > 0);
            QVERIFY(glyph.pixelColor(0, 0).alpha() == 0);
            QVERIFY(glyph != disabled);
        }
        QCOMPARE(button("BitBtn1")->text(), QStringLiteral("&Hesapla"));
        QCOMPARE(button("BitBtn2")->text(), QStringLiteral("H&esapla"));
    }

private:
    void makePage(const QLocale& locale)
    {
        m_page = std::make_unique<TFmeReservations>(nullptr, locale);
        m_page->show();
    }
    QLineEdit* box(const QString& name) const
    {
        auto* b = m_page->findChild<QLineEdit*>(name);
        Q_ASSERT(b);
        return b;
    }
    QPushButton* button(const char* name) const
    {
        auto* b = m_page->findChild<QPushButton*>(QLatin1String(name));
        Q_ASSERT(b);
        return b;
    }
    QLabel* label(const char* name) const
    {
        auto* l = m_page->findChild<QLabel*>(QLatin1String(name));
        Q_ASSERT(l);
        return l;
    }
    // Types each text into its empty box, key by key.
    void fill(const QStringList& names, const QStringList& values) const
    {
        for (qsizetype i = 0; i < names.size(); ++i) {
            QLineEdit* b = box(names[i]);
            b->clear();
            QTest::keyClicks(b, values[i]);
        }
    }
    QStringList texts(const QStringList& names) const
    {
        QStringList out;
        for (const QString& name : names)
            out << box(name)->text();
        return out;
    }

    std::unique_ptr<TFmeReservations> m_page;
    QStringList m_errors;
};

int main(int argc, char** argv)
{
    // The page's default regional settings are the user's; make them German here.
    qputenv("LC_ALL", "de_DE.UTF-8");
    TApplication app(argc, argv);
    TestTFmeReservations test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_TFmeReservations.moc"
