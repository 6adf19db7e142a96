#include "tform_main.h"

#include "backup/backup_zip.h"
#include "tform_backups.h"

#include "document_opener.h"
#include "logo_paint_box.h"
#include "logo_painter.h"
#include "store/io_error.h"
#include "store/startup_load.h"
#include "tform_about.h"
#include "ui/widgets/dialog_parts.h"
#include "ui/widgets/file_error.h"
#include "ui/widgets/qt_text.h"
#include "ui/widgets/screen_fit.h"

#include <QCloseEvent>
#include <QDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QToolButton>

namespace kestrelon {
namespace {

constexpr int kToolbarHeight = 32;

// Windows colour value: red in the low byte, then green, then blue.
QRgb fromWindowsColour(std::uint32_t colour) {
    return qRgb(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

std::uint16_t clampSize(int pixels) {
    return static_cast<std::uint16_t>(qBound(0, pixels, 65535));
}

} // namespace

TFormMain::TFormMain(AppContext& context, QWidget* parent) : QWidget(parent), context_(context) {
    openDocument_ = [this](const QString& path, std::function<void(bool)> done) {
        openWithAssociatedApplication(path, this, std::move(done));
    };
    setObjectName(QStringLiteral("FormMain"));
    setWindowTitle(QStringLiteral("Kestrelon"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint |
                   Qt::WindowMinimizeButtonHint);
    setFixedSize(kClientSize);

    auto* toolbar = new QWidget(this);
    toolbar->setObjectName(QStringLiteral("Panel1"));
    toolbar->setGeometry(0, 0, kClientSize.width(), kToolbarHeight);
    auto* row = new QHBoxLayout(toolbar);
    row->setContentsMargins(4, 2, 4, 2);
    row->setSpacing(2);

    const std::array<QString, 5> captions = {QStringLiteral("Firms"), QStringLiteral("Agent"),
                                             QStringLiteral("Client"), QStringLiteral("Tarif"),
                                             QStringLiteral("Report")};
    for (std::size_t i = 0; i < captions.size(); ++i) {
        QToolButton* button = makeSpeedButton(this, captions[i], QString(),
                                              QStringLiteral("SpeedButton%1").arg(i + 1));
        button->setEnabled(false);
        connect(button, &QToolButton::clicked, this,
                [this, i] { openTarget(static_cast<Target>(i)); });
        row->addWidget(button);
        targetButtons_[i] = button;
    }
    targetButtons_[0]->setToolTip(QStringLiteral("Список организаций"));
    QToolButton* copies =
        makeSpeedButton(this, QStringLiteral("Копии"), QStringLiteral("Резервные копии"),
                        QStringLiteral("SpeedButton8"));
    copies->setAccessibleDescription(copies->toolTip());
    connect(copies, &QToolButton::clicked, this, [this] { backupsWindow()->exec(); });
    row->addWidget(copies);
    row->addStretch(1);
    QToolButton* help =
        makeSpeedButton(this, QStringLiteral("Help"), QString(), QStringLiteral("SpeedButton6"));
    connect(help, &QToolButton::clicked, this, &TFormMain::HelpClick);
    row->addWidget(help);
    QToolButton* about =
        makeSpeedButton(this, QStringLiteral("About"), QString(), QStringLiteral("SpeedButton7"));
    connect(about, &QToolButton::clicked, this, &TFormMain::AboutClick);
    row->addWidget(about);

    paintBox_ = new LogoPaintBox(
        kPictureSize, [this](QPainter& canvas) { PaintBox1Paint(canvas); }, this);
    paintBox_->setObjectName(QStringLiteral("PaintBox1"));
    paintBox_->move(8, 40);

    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setSingleShot(true);
    connect(timer_, &QTimer::timeout, this, &TFormMain::Timer1Timer);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    FormCreate();
}

void TFormMain::attachWindow(Target target, QDialog* window) {
    const auto i = static_cast<std::size_t>(target);
    targetWindows_[i] = window;
    targetButtons_[i]->setEnabled(window != nullptr);
}

void TFormMain::attachSizedWindow(SizedWindow slot, QWidget* window) {
    sizedWindows_[static_cast<std::size_t>(slot) / 2] = window;
}

TFormBackups* TFormMain::backupsWindow() {
    // Made on first use, as the about window.
    if (backups_ == nullptr) {
        backups_ = new TFormBackups(context_, this);
        backups_->onRestored = [this] {
            restartRequested_ = true;
            close();
        };
    }
    return backups_;
}

void TFormMain::setWindowBuilder(std::function<void()> build) {
    buildWindows_ = std::move(build);
    for (QToolButton* button : targetButtons_) {
        button->setEnabled(true);
    }
}

void TFormMain::openTarget(Target target) {
    if (targetWindows_[static_cast<std::size_t>(target)] == nullptr && buildWindows_) {
        buildWindows_();
    }
    if (QDialog* window = targetWindows_[static_cast<std::size_t>(target)]) {
        window->exec();
    }
}

void TFormMain::FormCreate() {
    const DataStore& store = context_.store;
    if (!store.TelFound) {
        return;
    }
    layout_ = ComputeLogoLayout(store.Tel);
    paintBox_->repaintPicture();
    if (layout_ && animation_.start(store.Pixels.usedCount())) {
        timer_->start(LogoAnimation::kFirstIntervalMs);
    }
}

void TFormMain::PaintBox1Paint(QPainter& canvas) {
    if (layout_) {
        paintLogo(canvas, *layout_);
    }
}

void TFormMain::Timer1Timer() {
    timer_->stop();
    if (!layout_) {
        return;
    }
    const GlobePixels& globe = context_.store.Pixels;
    QImage& canvas = paintBox_->canvas();
    const QRgb circleColour = qRgb(255, 153, 0);
    const auto result = animation_.tick(globe.usedCount(), [&](std::size_t i, bool ownColour) {
        const GlobePoint& point = globe.points[i];
        const int x = layout_->CX + point.x.get();
        const int y = layout_->CY + point.y.get();
        if (canvas.rect().contains(x, y)) {
            canvas.setPixel(x, y, ownColour ? fromWindowsColour(point.colour) : circleColour);
        }
    });
    if (result.repaint) {
        paintBox_->repaintPicture();
    } else {
        paintBox_->showCanvas();
    }
    if (result.nextIntervalMs >= 0) {
        timer_->start(result.nextIntervalMs);
    }
}

void TFormMain::HelpClick() {
    // The help ships beside the executable; a copy in the data folder comes first.
    const auto shipped = [this](const char* name) {
        return QString::fromStdString(shippedFileFolder(context_.store, name) + name);
    };
    // The same pages as HTML come second, for the many desktops (most Linux ones) without a
    // CHM viewer.
    openHelp({shipped("Kestrelon.chm"), shipped("help/index.html")}, 0);
}

void TFormMain::openHelp(const QStringList& forms, int next) {
    while (next < forms.size() && !QFileInfo::exists(forms[next])) {
        ++next;
    }
    if (next == forms.size()) {
        showHelpFailure(forms);
        return;
    }
    openDocument_(forms[next], [this, forms, next](bool opened) {
        if (!opened) {
            openHelp(forms, next + 1);
        }
    });
}

void TFormMain::showHelpFailure(const QStringList& forms) {
    const auto why = [](const QString& path, const QString& notOpened) {
        return path + QStringLiteral(": ") +
               (QFileInfo::exists(path) ? notOpened : QStringLiteral("файл не найден"));
    };
    context_.messages.showMessage(
        QStringLiteral("Не удалось открыть справку.\n\n%1.\n%2.")
            .arg(why(forms[0], QStringLiteral("в системе нет программы для просмотра справки CHM")),
                 why(forms[1], QStringLiteral("браузер не открылся"))));
}

void TFormMain::AboutClick() {
    // Made on first use: nothing the main window does not show is built before it is seen.
    if (about_ == nullptr) {
        about_ = new TFormAbout(this);
    }
    about_->exec();
}

KeptWindowSizes TFormMain::currentWindowSizes() const {
    KeptWindowSizes sizes;
    for (std::size_t w = 0; w < sizes.size(); ++w) {
        const QWidget* window = sizedWindows_[w];
        if (window == nullptr) {
            sizes[w] = context_.store.FormW.size(static_cast<SizedWindow>(2 * w));
            continue;
        }
        const QSize remembered = sizeToRemember(*window);
        sizes[w] = WindowSize{clampSize(remembered.width()), clampSize(remembered.height())};
    }
    return sizes;
}

bool TFormMain::FormClose() {
    for (const CloseGuard& guard : closeGuards_) {
        if (!guard()) {
            return false;
        }
    }
    DataStore& store = context_.store;
    // A confirmed change of the agent contract that was neither saved nor cancelled (its window
    // closed by the close box) would otherwise end with the program.
    AgentContractEditor& agent = context_.catalogues.agent;
    if (agent.changed() && context_.messages.askQuestion(fromCp1251(unsavedAgentQuestion()))) {
        try {
            agent.ok(store);
        } catch (const IoError& error) {
            showFileError(context_, error);
            return false;
        }
    }
    if (const auto next = windowStateToSave(store.FormW, currentWindowSizes())) {
        store.FormW = *next;
        try {
            store.SaveFileForm();
        } catch (const IoError& error) {
            // Window sizes are nobody's data: a folder that takes no saves (a read-only copy,
            // a full disk) must not hold the program open. Said once, and the program ends.
            showFileError(context_, error);
        }
    }
    backUpOnClosing();
    return true;
}

void TFormMain::backUpOnClosing() {
    const std::string folder = backupFolderOf(context_.store.DataFolder);
    QString why;
    try {
        makeBackup(context_.store.DataFolder, folder, backupMomentNow());
        return;
    } catch (const BackupProblem& problem) {
        why = QString::fromUtf8(problem.what());
    } catch (const IoError& error) {
        why = fileErrorText(error, context_.store);
    }
    // Said once; the program still closes.
    context_.messages.showMessage(
        QStringLiteral("Резервная копия данных не сделана:\n%1\nПапка копий: %2")
            .arg(why, QString::fromStdString(folder)));
}

void TFormMain::closeEvent(QCloseEvent* event) {
    // After a restore nothing of the memory's tables may reach the restored folder.
    if (restartRequested_ || FormClose()) {
        event->accept();
    } else {
        event->ignore();
    }
}

} // namespace kestrelon
