#pragma once
// The main window: a toolbar that opens every other window modally, and the picture
// area with the pictogram and the globe animation.

#include "logo_animation.h"
#include "logo_layout.h"
#include "store/window_state.h"
#include "ui/widgets/app_context.h"

#include <QWidget>
#include <array>
#include <functional>
#include <optional>
#include <vector>

class QDialog;
class QTimer;
class QToolButton;

namespace kestrelon {

class TFormBackups;

class LogoPaintBox;
class TFormAbout;

class TFormMain : public QWidget {
public:
    // The windows the left toolbar group opens, in button order.
    enum class Target { Firms = 0, Agent, Client, Tarif, Report };

    static constexpr QSize kClientSize{544, 248};
    static constexpr QSize kPictureSize{529, 200};

    explicit TFormMain(AppContext& context, QWidget* parent = nullptr);

    // Connects a button to the window it opens; a button stays disabled until then.
    void attachWindow(Target target, QDialog* window);
    // Builds the windows the buttons open when one is asked for before they were built; the
    // buttons are enabled meanwhile.
    void setWindowBuilder(std::function<void()> build);
    // A window whose size is kept in "FormW" at shut-down.
    void attachSizedWindow(SizedWindow slot, QWidget* window);

    // Handlers.
    void FormCreate();
    void PaintBox1Paint(QPainter& canvas);
    void Timer1Timer();
    // The help file Kestrelon.chm, or where nothing shows it the same pages as HTML
    // (help/index.html) in the browser; a message when neither opens.
    void HelpClick();
    void AboutClick();
    // Shut-down: each window with unsaved work asks first (a guard returns false when the
    // user stays), then whether to save a pending change of the agent contract, then keeps the
    // window sizes. False when the agent contract could not be written (the window then stays
    // open); a failed save of the window sizes is shown and the program ends all the same.
    bool FormClose();

    // How "Help" opens a document with the system's associated application: it tells `done`
    // whether one showed it, at once or later; tests replace it.
    using DocumentOpener =
        std::function<void(const QString& path, std::function<void(bool opened)> done)>;
    void setDocumentOpener(DocumentOpener opener) { openDocument_ = std::move(opener); }

    // A window whose unsaved work shut-down must ask about; false from it keeps the program open.
    using CloseGuard = std::function<bool()>;
    void addCloseGuard(CloseGuard guard) { closeGuards_.push_back(std::move(guard)); }

    const std::optional<LogoLayout>& logoLayout() const { return layout_; }
    const LogoAnimation& animation() const { return animation_; }
    LogoPaintBox* paintBox() const { return paintBox_; }

protected:
    void closeEvent(QCloseEvent* event) override;

public:
    // A backup was restored: the program is to start again on the restored folder.
    bool restartRequested() const { return restartRequested_; }
    TFormBackups* backupsWindow();

protected:
private:
    void openTarget(Target target);
    // A backup of the data folder when it changed; a failure is said, closing goes on.
    void backUpOnClosing();
    // Opens the first of the help's forms from `next` on that is shipped and shows; a message
    // says why when none does.
    void openHelp(const QStringList& forms, int next);
    void showHelpFailure(const QStringList& forms);
    KeptWindowSizes currentWindowSizes() const;

    AppContext& context_;
    DocumentOpener openDocument_;
    std::vector<CloseGuard> closeGuards_;
    std::array<QToolButton*, 5> targetButtons_{};
    std::array<QDialog*, 5> targetWindows_{};
    std::array<QWidget*, 5> sizedWindows_{};
    LogoPaintBox* paintBox_ = nullptr;
    TFormBackups* backups_ = nullptr;
    std::function<void()> buildWindows_;
    bool restartRequested_ = false;
    QTimer* timer_ = nullptr;
    TFormAbout* about_ = nullptr;
    std::optional<LogoLayout> layout_;
    LogoAnimation animation_;
};

} // namespace kestrelon
