// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "TestSupport.h"
#include "common/Random.h"
#include "ui/DrawEntryDialog.h"
#include "ui/FileDialogs.h"
#include "ui/NumberDialog.h"

// The dialogs on their own: what they paint and show from one showing to the
// next, and what their file dialogs make of a typed name.
class DialogsTest : public QObject {
    Q_OBJECT

private:
    // The colour the dialog painted at the middle of the box's right edge,
    // where neither the indicator nor the caption is drawn.
    static QColor paintedBehind(QWidget* dialog, const QImage& picture, int number) {
        auto* box = dialog->findChild<QCheckBox*>(QStringLiteral("CheckBox%1").arg(number + 70));
        const QPoint spot = box->mapTo(dialog, QPoint(box->width() - 2, box->height() / 2));
        return picture.pixelColor(spot * picture.devicePixelRatio());
    }
    static int distance(const QColor& a, const QColor& b) {
        return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
               std::abs(a.blue() - b.blue());
    }

private Q_SLOTS:
    void drawEntryPaintsItsBackgroundAndTheCurrentDraw() {
        ui::DrawEntryDialog dialog;
        history::DrawEntry draw;
        draw.date = QDate(2022, 11, 24);
        for (int n = 1; n <= 20; ++n) {
            draw.numbers.push_back(n * 3); // 3, 6, .. 60
        }
        dialog.showDraw(draw);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QImage picture = dialog.grab().toImage();

        const QColor background = picture.pixelColor(2, 2);
        QCOMPARE(background, ui::DrawEntryDialog::background());
        const QColor marked = paintedBehind(&dialog, picture, 3);
        QCOMPARE(paintedBehind(&dialog, picture, 4), background);
        QCOMPARE(paintedBehind(&dialog, picture, 60), marked);
        QVERIFY2(distance(marked, background) >= 60,
                 qPrintable(marked.name() + QStringLiteral(" on ") + background.name()));

        // The next draw shown moves the highlight with it.
        draw.numbers = {4};
        dialog.showDraw(draw);
        picture = dialog.grab().toImage();
        QCOMPARE(paintedBehind(&dialog, picture, 4), marked);
        QCOMPARE(paintedBehind(&dialog, picture, 3), background);
    }

    void randomButtonKeepsItsCaptionBetweenShowings() {
        app::NumberDialogState state;
        state.randomVisible = true;
        common::Random random(5);
        for (const char* expected : {"&Random", "Zufall", "Zufall"}) {
            ui::NumberDialog dialog(state, random, QDate(2025, 6, 10));
            QCOMPARE(dialog.findChild<QPushButton*>(QStringLiteral("BitBtn4"))->text(),
                     QString::fromLatin1(expected));
            dialog.show();
            dialog.reject(); // closing without a pick still stops the random mode
        }
        QCOMPARE(app::NumberDialogState().randomCaption, QStringLiteral("&Random"));
    }

    void openDialogCompletesANameTypedWithoutExtension() {
        testsupport::TempHome home;
        QFile(home.file("tips.hlt")).open(QIODevice::WriteOnly);
        QFile(home.file("tips.old")).open(QIODevice::WriteOnly);
        QStringList chosen;
        for (const char* typed : {"tips", "tips.old"}) {
            QTimer::singleShot(0, this, [typed] {
                auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
                QVERIFY(dialog);
                // A refused name brings up a warning over the dialog: close
                // both so that a failure cannot hang the test.
                QTimer::singleShot(500, dialog, [dialog] {
                    while (QWidget* modal = QApplication::activeModalWidget()) {
                        qobject_cast<QDialog*>(modal)->reject();
                        if (modal == dialog) {
                            break;
                        }
                    }
                });
                dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))
                    ->setText(QString::fromLatin1(typed));
                static_cast<QDialog*>(dialog)->accept(); // as the Open button does
            });
            chosen << ui::FileDialogs::openFile(nullptr, QStringLiteral("Load"), home.path(),
                                                QStringLiteral("Tipfile (*.hlt)"),
                                                QStringLiteral("hlt"));
        }
        QCOMPARE(chosen, (QStringList{home.file("tips.hlt"), home.file("tips.old")}));
    }
};

QTEST_MAIN(DialogsTest)
#include "DialogsTest.moc"
