#include "app/editorresources.h"
#include "app/fusionstyletweaks.h"

#include <QApplication>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTest>
#include <QWidget>

// Draws the style's primitives into images and checks the pixels a user would see.
class TestFusionStyleTweaks : public QObject {
    Q_OBJECT

private:
    FusionStyleTweaks style;

    QImage drawIndicator(QStyle::PrimitiveElement element, QStyle::State state) {
        QImage image(20, 20, QImage::Format_ARGB32);
        image.fill(Qt::magenta); // anything the style leaves alone stays magenta
        QStyleOptionButton option;
        option.rect = QRect(2, 2, 16, 16);
        option.state = state;
        QPainter painter(&image);
        style.drawPrimitive(element, &option, &painter);
        return image;
    }

private slots:
    void initTestCase() { registerEditorResources(); }

    void metricsAndHints() {
        QScopedPointer<QStyle> fusion(QStyleFactory::create(QStringLiteral("fusion")));
        const int base = fusion->pixelMetric(QStyle::PM_HeaderMargin);
        QCOMPARE(style.pixelMetric(QStyle::PM_HeaderMargin), int(base * 1.5));
        QCOMPARE(style.pixelMetric(QStyle::PM_ScrollBarExtent),
                 fusion->pixelMetric(QStyle::PM_ScrollBarExtent));
        QCOMPARE(style.styleHint(QStyle::SH_ComboBox_Popup), 0);
        QCOMPARE(style.baseStyle()->objectName().toLower(), QStringLiteral("fusion"));
    }

    void checkBoxIndicator_data() {
        QTest::addColumn<int>("state");
        QTest::addColumn<QColor>("frame");
        QTest::addColumn<QColor>("fill");
        QTest::addColumn<bool>("markShown");
        const QColor noFill(Qt::magenta);
        QTest::newRow("enabled") << int(QStyle::State_Enabled) << QColor(Qt::black)
                                 << QColor(Qt::white) << false;
        QTest::newRow("hovered") << int(QStyle::State_Enabled | QStyle::State_MouseOver)
                                 << QColor(Qt::black) << QColor(230, 255, 255) << false;
        QTest::newRow("pressed") << int(QStyle::State_Enabled | QStyle::State_Sunken |
                                        QStyle::State_MouseOver)
                                 << QColor(Qt::black) << QColor(220, 220, 220) << false;
        QTest::newRow("checked") << int(QStyle::State_Enabled | QStyle::State_On)
                                 << QColor(Qt::black) << QColor(Qt::white) << true;
        QTest::newRow("disabled checked")
            << int(QStyle::State_On) << QColor(190, 190, 190) << noFill << true;
    }
    void checkBoxIndicator() {
        QFETCH(int, state);
        QFETCH(QColor, frame);
        QFETCH(QColor, fill);
        QFETCH(bool, markShown);
        const QImage image =
            drawIndicator(QStyle::PE_IndicatorCheckBox, QStyle::State(QFlag(state)));
        // The one-pixel frame lies on the edges of the option's rectangle, not beyond.
        QCOMPARE(image.pixelColor(2, 10), frame);
        QCOMPARE(image.pixelColor(17, 10), frame);
        QCOMPARE(image.pixelColor(10, 17), frame);
        QCOMPARE(image.pixelColor(18, 10), QColor(Qt::magenta));
        QCOMPARE(image.pixelColor(4, 4), fill);
        // The check mark darkens pixels inside the box; enabled black, disabled gray.
        int darkest = 255;
        for (int y = 4; y < 15; ++y)
            for (int x = 4; x < 15; ++x)
                darkest = qMin(darkest, qGray(image.pixel(x, y)));
        if (!markShown)
            QCOMPARE(darkest, qGray(fill.rgb()));
        else if (state & QStyle::State_Enabled)
            QVERIFY2(darkest < 40, qPrintable(QString::number(darkest)));
        else
            QVERIFY2(darkest > 100 && darkest < 200, qPrintable(QString::number(darkest)));
    }

    void radioButtonIndicator() {
        const QImage off = drawIndicator(QStyle::PE_IndicatorRadioButton, QStyle::State_Enabled);
        QCOMPARE(off.pixelColor(10, 10), QColor(Qt::white));
        QCOMPARE(off.pixelColor(2, 2), QColor(Qt::magenta)); // outside the circle
        const QImage on = drawIndicator(QStyle::PE_IndicatorRadioButton,
                                        QStyle::State_Enabled | QStyle::State_On);
        QCOMPARE(on.pixelColor(10, 10), QColor(Qt::black));
        // The dot is half the circle: 4 pixels off the centre is still the white ring.
        QCOMPARE(on.pixelColor(10, 15), QColor(Qt::white));
        const QImage disabled = drawIndicator(QStyle::PE_IndicatorRadioButton, QStyle::State_On);
        QCOMPARE(disabled.pixelColor(10, 10), QColor(Qt::gray));
        QCOMPARE(disabled.pixelColor(10, 15), QColor(Qt::magenta)); // no fill when disabled
    }

    void dropIndicatorSpansTheWidget() {
        QWidget list;
        list.resize(120, 80);
        QImage image(120, 80, QImage::Format_ARGB32);
        image.fill(Qt::white);
        QStyleOption option;
        option.rect = QRect(30, 40, 20, 10);
        option.palette.setColor(QPalette::Highlight, QColor(10, 20, 200));
        QPainter painter(&image);
        style.drawPrimitive(QStyle::PE_IndicatorItemViewItemDrop, &option, &painter, &list);
        painter.end();
        QCOMPARE(image.pixelColor(2, 40), QColor(10, 20, 200));
        QCOMPARE(image.pixelColor(117, 40), QColor(10, 20, 200));
        QCOMPARE(image.pixelColor(60, 45), QColor(Qt::white));
    }

    void closeIconIsTheEditorsOwn() {
        const QIcon icon = style.standardIcon(QStyle::SP_TitleBarCloseButton);
        const QImage image = icon.pixmap(128, 128).toImage();
        QCOMPARE(image.size(), QSize(128, 128));
        QCOMPARE(image.pixelColor(2, 2).alpha(), 0);
        QCOMPARE(image.pixelColor(64, 64).rgb(),
                 QColor(Qt::gray).rgb()); // where the diagonals cross
        QCOMPARE(image.pixelColor(64, 20).rgb(), QColor(Qt::gray).rgb()); // top side
        QCOMPARE(image.pixelColor(64, 40).alpha(), 0);
    }
};

QTEST_MAIN(TestFusionStyleTweaks)
#include "test_fusionstyletweaks.moc"
