#include "TaxelApplication.h"

#include "datafiles/FileError.h"
#include "ui/Messages.h"

#include <QComboBox>
#include <QCompleter>
#include <QFontDatabase>
#include <QLineEdit>
#include <QPixmapCache>
#include <QRawFont>
#include <QTimer>

#ifdef __GLIBC__
#include <malloc.h>
#endif
#ifdef TAXEL_QT_FONT_CACHE
#include <QtGui/private/qfont_p.h>
#endif

namespace {

/// The style keeps the pieces it drew (button faces, frames) for each size it met; Qt's default of
/// 10 MB fills up over an afternoon of resized windows. Two megabytes hold every piece of the five
/// windows at a few sizes each, and a piece drawn again costs less than a millisecond.
constexpr int kPixmapCacheKB = 2048;

/// Blocks from this size on (a rendered document page is several MB) get pages of their own that go
/// back to the system when freed. The C library would otherwise raise the limit after the first such
/// block is freed and keep later ones in the heap of the thread that drew them, where a closed
/// document stayed in memory long after its rendering threads had ended.
constexpr int kOwnPagesFrom = 256 * 1024;

/// How long after a window closes the freed memory is given back, so that the window's own teardown
/// (deferred deletes, the style's clean-up) is over by then.
constexpr int kReleaseAfterCloseMs = 500;

/// What a closed window kept of what was typed into it:
/// - the completer of an editable list keeps the matches of every text typed into it, and texts
///   that matched nothing are never dropped; setting its model again empties that store;
/// - a text field keeps every key typed into it for undoing, without limit, until the program sets
///   its text; setting it again to the text it shows empties that history and changes nothing else
///   (no change is signalled for the same text).
void ForgetTypedTexts(const QWidget &window)
{
    for (QComboBox *list : window.findChildren<QComboBox *>()) {
        if (QCompleter *completer = list->completer())
            completer->setModel(list->model());
    }
    for (QLineEdit *field : window.findChildren<QLineEdit *>()) {
        if (field->isUndoAvailable() || field->isRedoAvailable())
            field->setText(field->text());
    }
}

/// What a closed window leaves behind is given back:
/// - Qt's font cache keeps the fonts of every size a window was drawn at, each with the glyphs it
///   drew and, once a character no installed font has was typed, the whole fallback list of the
///   font configuration (half a megabyte over a few minutes of resized windows). Its limit counts
///   neither, so it keeps them for the whole afternoon; emptying it leaves the fonts in use alone,
///   and the next window that opens loads again what it draws (a few milliseconds). Qt offers this
///   only among its private parts: without their headers the cache is left as it is.
/// - The style's pieces, drawn again when the next window paints.
/// - Smaller blocks stay in the heaps of the C library, which keeps whole free pages between live
///   blocks for later use; trimming hands those pages back.
void ReleaseFreedMemory()
{
#ifdef TAXEL_QT_FONT_CACHE
    QFontCache::instance()->clear();
#endif
    QPixmapCache::clear();
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}

} // namespace

TaxelApplication::TaxelApplication(int &argc, char **argv)
    : QApplication(argc, argv)
    , m_showError(&ShowErrorMessage)
    , m_releaseFreed(new QTimer(this))
{
    m_releaseFreed->setSingleShot(true);
    m_releaseFreed->setInterval(kReleaseAfterCloseMs);
    connect(m_releaseFreed, &QTimer::timeout, this, &ReleaseFreedMemory);
#ifdef __GLIBC__
    mallopt(M_MMAP_THRESHOLD, kOwnPagesFrom);
#endif
    QPixmapCache::setCacheLimit(kPixmapCacheKB);
}

TaxelApplication::~TaxelApplication() = default;

void TaxelApplication::holdFonts(const QList<QFont> &fonts)
{
    // A raw font holds the font file its font draws Japanese from: emptying the font cache would
    // otherwise close the files of the fonts every window uses, to open them again with the next
    // window (a few MB of the file mapped in and out each time)
    m_heldFonts.clear();
    for (const QFont &font : fonts)
        m_heldFonts.append(QRawFont::fromFont(font, QFontDatabase::Japanese));
}

void TaxelApplication::setErrorSink(MessageSink show)
{
    m_showError = show ? std::move(show) : MessageSink(&ShowErrorMessage);
}

bool TaxelApplication::notify(QObject *receiver, QEvent *event)
{
    if (event->type() == QEvent::Hide && receiver->isWidgetType()) {
        // a closed window or dialog, not a tooltip or a drop-down that hides many times a minute
        const auto &widget = static_cast<const QWidget &>(*receiver);
        const Qt::WindowType type = widget.windowType();
        if (type == Qt::Window || type == Qt::Dialog) {
            ForgetTypedTexts(widget);
            m_releaseFreed->start();
        }
    }
    return RunGuarded([&] { return QApplication::notify(receiver, event); }, m_showError);
}

bool RunGuarded(const std::function<bool()> &deliver, const MessageSink &show)
{
    try {
        return deliver();
    } catch (const FileError &error) {
        show(error.text());
    } catch (const std::exception &error) {
        show(QString::fromUtf8(error.what()));
    } catch (...) {
        show(QString());
    }
    return false;
}
