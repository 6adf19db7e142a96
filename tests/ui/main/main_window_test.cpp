#include "sample_logo.h"
#include "support/temp_folder.h"
#include "ui/main/logo_paint_box.h"
#include "ui/main/tform_main.h"
#include "ui/support/recording_sink.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <filesystem>
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

// The compiled help where a viewer shows it; else the same pages in the browser; else a message
// that says why neither opened.
TEST_F(MainWindowTest, HelpOpensTheChmOrElseTheHtmlPagesAndSaysWhenNeitherOpens) {
    auto form = createWindow();
    const QString chm = QString::fromStdString(folder.path()) + "Kestrelon.chm";
    const QString pages = QString::fromStdString(folder.path()) + "help/index.html";
    struct Case {
        const char* what;
        bool chmShipped, pagesShipped, chmShown, pagesShown;
        QStringList opened;
        QString message; // empty: none
    };
    const Case cases[] = {
        {"a CHM viewer", true, true, true, true, {chm}, {}},
        {"no CHM viewer", true, true, false, true, {chm, pages}, {}},
        {"pages only", false, true, false, true, {pages}, {}},
        {"nothing shows either",
         true,
         true,
         false,
         false,
         {chm, pages},
         QStringLiteral("Не удалось открыть справку.\n\n%1: в системе нет программы для "
                        "просмотра справки CHM.\n%2: браузер не открылся.")
             .arg(chm, pages)},
        {"nothing shipped",
         false,
         false,
         true,
         true,
         {},
         QStringLiteral("Не удалось открыть справку.\n\n%1: файл не найден.\n%2: файл не найден.")
             .arg(chm, pages)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove_all(folder.path() + "help");
        std::filesystem::remove(folder.path() + "Kestrelon.chm");
        if (c.chmShipped) {
            folder.writeFile("Kestrelon.chm", 100, 'x');
        }
        if (c.pagesShipped) {
            std::filesystem::create_directory(folder.path() + "help");
            folder.writeFile("help/index.html", "<html></html>");
        }
        QStringList opened;
        form->setDocumentOpener([&](const QString& path, std::function<void(bool)> done) {
            opened << path;
            done(path == chm ? c.chmShown : c.pagesShown);
        });
        sink.messages.clear();
        QTest::mouseClick(button(*form, 6), Qt::LeftButton);
        EXPECT_EQ(opened, c.opened);
        EXPECT_EQ(sink.messages, c.message.isEmpty() ? QStringList() : QStringList{c.message});
    }
}

// The desktop's opener that finds no browser ends with an error a moment after it started: the
// user is told, as when nothing could be started at all.
TEST_F(MainWindowTest, HelpSaysSoWhenTheDesktopsOpenerGivesUp) {
    std::filesystem::create_directory(folder.path() + "help");
    folder.writeFile("help/index.html", "<html></html>");
    std::filesystem::create_directory(folder.path() + "bin");
    folder.writeFile("bin/xdg-open", "#!/bin/sh\nsleep 0.2\nexit 4\n");
    std::filesystem::permissions(folder.path() + "bin/xdg-open", std::filesystem::perms::owner_all);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QByteArray::fromStdString(folder.path() + "bin:") + path);
    auto form = createWindow();
    QTest::mouseClick(button(*form, 6), Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !sink.messages.isEmpty(); }, 5000));
    qputenv("PATH", path);
    ASSERT_EQ(sink.messages.size(), 1);
    EXPECT_TRUE(sink.messages[0].startsWith(QStringLiteral("Не удалось открыть справку.")));
    EXPECT_TRUE(sink.messages[0].contains(QString::fromStdString(folder.path()) +
                                          QStringLiteral("help/index.html: браузер не открылся")));
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

// Window sizes are nobody's data: a read-only "FormW" (no write bit refuses root too) is said
// once, naming the file, and the program ends instead of refusing every close.
TEST_F(MainWindowTest, AFailedSaveOfTheWindowSizesIsSaidOnceAndTheProgramEnds) {
    auto form = createWindow();
    QWidget organizations;
    organizations.resize(500, 300);
    form->attachSizedWindow(SizedWindow::Organizations, &organizations);
    folder.writeFile("FormW", 128, 'w');
    const std::string formW = folder.path() + "FormW";
    std::filesystem::permissions(formW, std::filesystem::perms(0444));
    form->show();

    EXPECT_TRUE(form->close());
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(sink.messages, QStringList{QString::fromStdString("File access denied\n" + formW)});
    EXPECT_EQ(folder.readFile("FormW"), std::string(128, 'w'));
}

// A change of the agent contract confirmed in its card but neither saved nor cancelled (the
// agent window closed by its close box) is not lost without a question at shut-down.
TEST_F(MainWindowTest, ShutDownAsksWhetherToSaveAPendingAgentContractChange) {
    FirmRecord& firm = store->Firms[store->FirmCount++];
    firm.Name = "Agent";
    firm.Inn = "7701000001";
    AgentCardFields fields;
    fields.chosenFirm = 0;
    fields.ContractNo = "N-7";
    const QString question = QStringLiteral("Сохранить изменения агентского договора?");
    auto form = createWindow();

    // Nothing pending: nothing asked.
    EXPECT_TRUE(form->FormClose());
    EXPECT_TRUE(sink.questions.isEmpty());

    // "No" ends without saving.
    context.catalogues.agent.confirm(*store, fields);
    sink.answer = false;
    EXPECT_TRUE(form->FormClose());
    EXPECT_EQ(sink.questions, QStringList{question});
    EXPECT_FALSE(folder.exists("Agent"));

    // "Yes" with a failing save shows the error and the program stays open.
    sink.questions.clear();
    sink.answer = true;
    const std::string good = store->DataFolder;
    store->DataFolder = good + "missing/";
    EXPECT_FALSE(form->FormClose());
    EXPECT_EQ(sink.messages,
              QStringList{QString::fromStdString("File not found\n" + good + "missing/Agent")});
    EXPECT_TRUE(context.catalogues.agent.changed());

    // "Yes" saves.
    store->DataFolder = good;
    EXPECT_TRUE(form->FormClose());
    EXPECT_EQ(sink.questions, QStringList({question, question}));
    ASSERT_TRUE(folder.exists("Agent"));
    EXPECT_EQ(folder.readFile("Agent").substr(0, 4), "\x03"
                                                     "N-7");
    EXPECT_FALSE(context.catalogues.agent.changed());
}

} // namespace
} // namespace kestrelon
