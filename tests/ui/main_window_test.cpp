#include "recording_sink.h"
#include "sample_logo.h"
#include "support/temp_folder.h"
#include "ui/logo_paint_box.h"
#include "ui/tform_main.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

namespace kestrelon {
namespace {

constexpr QRgb kOrange = 0xFFFF9900;

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() { store->DataFolder = folder.path(); }

    std::unique_ptr<TFormMain> createWindow() { return std::make_unique<TFormMain>(context); }

    // A "Tel" and 32 globe points, point i at (20 + i, 30) relative to the circle: inside it,
    // clear of the name.
    void withLogoAndGlobe() {
        store->Tel = test::sampleLogoParams();
        store->TelFound = true;
        store->Pixels.count = 32;
        for (int i = 0; i < 32; ++i) {
            store->Pixels.points[i].x = static_cast<std::uint16_t>(20 + i);
            store->Pixels.points[i].y = 30;
            store->Pixels.points[i].colour = 0x00FF0000u + static_cast<std::uint32_t>(i);
        }
    }

    QRgb pixelOfPoint(TFormMain& form, int i) {
        const auto& L = *form.logoLayout();
        return form.paintBox()->canvas().pixel(L.CX + 20 + i, L.CY + 30);
    }

    test::TempFolder folder;
    std::unique_ptr<DataStore> store = std::make_unique<DataStore>();
    test::RecordingSink sink;
    AppContext context{*store, sink};
};

QToolButton* button(QWidget& form, int n) {
    return form.findChild<QToolButton*>(QStringLiteral("SpeedButton%1").arg(n));
}

TEST_F(MainWindowTest, CaptionSizeAndToolbar) {
    auto form = createWindow();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Kestrelon"));
    EXPECT_EQ(form->minimumSize(), QSize(544, 248));
    EXPECT_EQ(form->maximumSize(), QSize(544, 248));
    const QStringList captions = {"Firms", "Agent", "Client", "Tarif", "Report", "Help", "About"};
    for (int n = 1; n <= 7; ++n) {
        SCOPED_TRACE(n);
        QToolButton* b = button(*form, n);
        ASSERT_TRUE(b);
        EXPECT_EQ(b->text(), captions[n - 1]);
        EXPECT_EQ(b->isEnabled(), n >= 6) << "windows not attached yet keep their buttons off";
    }
    EXPECT_EQ(button(*form, 1)->toolTip(), QStringLiteral("Список организаций"));
    const QWidget* picture = form->findChild<QWidget*>(QStringLiteral("PaintBox1"));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->geometry(), QRect(8, 40, 529, 200));
}

TEST_F(MainWindowTest, AButtonOpensItsWindowOnceAttached) {
    auto form = createWindow();
    QDialog target;
    form->attachWindow(TFormMain::Target::Report, &target);
    EXPECT_TRUE(button(*form, 5)->isEnabled());
    bool wasOpen = false;
    QTimer::singleShot(0, &target, [&] {
        wasOpen = target.isVisible() && target.isModal();
        target.reject();
    });
    QTest::mouseClick(button(*form, 5), Qt::LeftButton);
    EXPECT_TRUE(wasOpen);
}

TEST_F(MainWindowTest, AboutShowsNameAndVersion) {
    auto form = createWindow();
    QString title, name, version;
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_TRUE(dialog);
        title = dialog->windowTitle();
        name = dialog->findChild<QLabel*>(QStringLiteral("LabelName"))->text();
        version = dialog->findChild<QLabel*>(QStringLiteral("LabelVersion"))->text();
        static_cast<QDialog*>(dialog)->accept();
    });
    QTest::mouseClick(button(*form, 7), Qt::LeftButton);
    EXPECT_EQ(title, QStringLiteral("О программе"));
    EXPECT_EQ(name, QStringLiteral("Kestrelon"));
    EXPECT_TRUE(version.startsWith(QStringLiteral("Версия "))) << version.toStdString();
}

TEST_F(MainWindowTest, HelpOpensTheFileInTheDataFolder) {
    auto form = createWindow();
    QStringList opened;
    bool openerWorks = true;
    form->setDocumentOpener([&](const QString& path) {
        opened << path;
        return openerWorks;
    });
    const QString expected = QString::fromStdString(folder.path()) + "Kestrelon.chm";

    QTest::mouseClick(button(*form, 6), Qt::LeftButton);
    EXPECT_TRUE(opened.isEmpty());
    ASSERT_EQ(sink.messages.size(), 1);
    EXPECT_TRUE(sink.messages[0].startsWith(QStringLiteral("Файл справки не найден")));
    EXPECT_TRUE(sink.messages[0].contains(expected));

    folder.writeFile("Kestrelon.chm", 100, 'x');
    QTest::mouseClick(button(*form, 6), Qt::LeftButton);
    EXPECT_EQ(opened, QStringList{expected});
    EXPECT_EQ(sink.messages.size(), 1);

    openerWorks = false;
    QTest::mouseClick(button(*form, 6), Qt::LeftButton);
    ASSERT_EQ(sink.messages.size(), 2);
    EXPECT_TRUE(sink.messages[1].startsWith(QStringLiteral("Не удалось открыть файл справки")));
}

TEST_F(MainWindowTest, WithoutTelNothingIsLaidOutAndNothingAnimates) {
    store->Pixels.count = 32;
    auto form = createWindow();
    EXPECT_FALSE(form->logoLayout());
    EXPECT_FALSE(form->findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
}

TEST_F(MainWindowTest, WithoutPixelsThePictogramStandsStill) {
    store->Tel = test::sampleLogoParams();
    store->TelFound = true;
    auto form = createWindow();
    ASSERT_TRUE(form->logoLayout());
    EXPECT_FALSE(form->findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
    // The circle is painted in orange, with the name in white somewhere inside it.
    const QImage& canvas = form->paintBox()->canvas();
    EXPECT_EQ(canvas.pixel(210, 100), kOrange);
    bool white = false;
    for (int x = 230; x < 300 && !white; ++x) {
        white = canvas.pixel(x, 100) == 0xFFFFFFFF;
    }
    EXPECT_TRUE(white);
}

TEST_F(MainWindowTest, GlobeAppearsAndDissolvesPassByPass) {
    withLogoAndGlobe();
    auto form = createWindow();
    const QTimer* timer = form->findChild<QTimer*>(QStringLiteral("Timer1"));
    ASSERT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 4000);

    form->Timer1Timer();
    EXPECT_EQ(pixelOfPoint(*form, 0), qRgb(0, 0, 255)) << "colour 0x00FF0000 is blue";
    EXPECT_EQ(pixelOfPoint(*form, 16), qRgb(16, 0, 255));
    EXPECT_EQ(pixelOfPoint(*form, 1), kOrange);
    EXPECT_EQ(timer->interval(), 250);

    for (int pass = 1; pass < 16; ++pass) {
        form->Timer1Timer();
    }
    for (int i = 0; i < 32; ++i) {
        EXPECT_EQ(qBlue(pixelOfPoint(*form, i)), 255) << i;
    }
    EXPECT_EQ(timer->interval(), 5000);

    for (int pass = 0; pass < 16; ++pass) {
        form->Timer1Timer();
    }
    for (int i = 0; i < 32; ++i) {
        EXPECT_EQ(pixelOfPoint(*form, i), kOrange) << i;
    }
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(form->animation().phase(), LogoAnimation::Phase::Finished);
}

TEST_F(MainWindowTest, ARepaintRemovesTheGlobeDrawnSoFar) {
    withLogoAndGlobe();
    auto form = createWindow();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    form->Timer1Timer();
    QApplication::processEvents(); // the pass itself is shown
    EXPECT_EQ(qBlue(pixelOfPoint(*form, 0)), 255);
    form->paintBox()->repaint(); // asked for from outside, as after a modal window closes
    EXPECT_EQ(pixelOfPoint(*form, 0), kOrange);
    // The next pass draws only its own points.
    form->Timer1Timer();
    EXPECT_EQ(pixelOfPoint(*form, 0), kOrange);
    EXPECT_EQ(qBlue(pixelOfPoint(*form, 15)), 255);
}

TEST_F(MainWindowTest, WindowSizesAreWrittenOnlyWhenOneChanged) {
    auto form = createWindow();
    QWidget organizations;
    organizations.resize(500, 300);
    form->attachSizedWindow(SizedWindow::Organizations, &organizations);
    store->FormW.setSize(SizedWindow::PriceList, {640, 480});

    EXPECT_TRUE(form->FormClose());
    ASSERT_TRUE(folder.exists("FormW"));
    const std::string written = folder.readFile("FormW");
    ASSERT_EQ(written.size(), 128u);
    // Slots 2 and 3 hold 500 and 300; the price list's 640 x 480 of a window that does not
    // exist yet is kept as stored.
    EXPECT_EQ(static_cast<unsigned char>(written[0]) | (written[1] & 0xFF) << 8, 640);
    EXPECT_EQ(static_cast<unsigned char>(written[4]) | (written[5] & 0xFF) << 8, 500);
    EXPECT_EQ(static_cast<unsigned char>(written[6]) | (written[7] & 0xFF) << 8, 300);

    std::remove((folder.path() + "FormW").c_str());
    EXPECT_TRUE(form->FormClose());
    EXPECT_FALSE(folder.exists("FormW")) << "nothing changed, nothing written";
}

TEST_F(MainWindowTest, AFailedSaveKeepsTheWindowOpenAndClosingAgainRetries) {
    auto form = createWindow();
    QWidget organizations;
    organizations.resize(500, 300);
    form->attachSizedWindow(SizedWindow::Organizations, &organizations);
    form->show();
    const std::string good = store->DataFolder;
    store->DataFolder = good + "missing/";

    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->isVisible());
    ASSERT_EQ(sink.messages.size(), 1);
    EXPECT_EQ(sink.messages[0], QStringLiteral("File not found"));

    store->DataFolder = good;
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(folder.exists("FormW"));
}

} // namespace
} // namespace kestrelon
