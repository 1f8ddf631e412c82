#include "platform/widgets/MessageDlg.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <algorithm>
#include <array>

namespace {

const std::array<const char*, 4> MsgDlgCaptions = {"Warning", "Error", "Information", "Confirmation"};

const std::array<QStyle::StandardPixmap, 4> MsgDlgIcons = {
    QStyle::SP_MessageBoxWarning, QStyle::SP_MessageBoxCritical,
    QStyle::SP_MessageBoxInformation, QStyle::SP_MessageBoxQuestion};
constexpr int IconSize = 32;

// What a button is: its caption (the letter after "&" is its accelerator),
// the result it closes the box with (mrNone: it leaves the box open), and
// whether it answers Enter or Esc.
struct TMsgDlgButtonKind {
    const char* Caption;
    TModalResult Result;
    bool Default;
    bool Cancel;
};

const std::array<TMsgDlgButtonKind, 9> MsgDlgButtonKinds = {{
    {"&Yes", mrYes, true, false},
    {"&No", mrNo, false, true},
    {"&OK", mrOk, true, false},
    {"&Cancel", mrCancel, false, true},
    {"A&bort", mrAbort, false, false},
    {"&Retry", mrRetry, false, false},
    {"&Ignore", mrIgnore, false, false},
    {"&All", mrAll, false, false},
    {"&Help", mrNone, false, false},
}};

// In dialog units: horizontal values in quarters of the average character
// width, vertical ones in eighths of its height.
struct {
    int HorzMargin = 8;
    int VertMargin = 6;
    int HorzSpacing = 8;
    int VertSpacing = 8;
    int ButtonWidth = 55;
    int ButtonHeight = 16;
    int ButtonSpacing = 8;
} constexpr MsgDlgMetrics;

// value * numerator / denominator (denominator > 0), rounded to the nearest
// integer with halves away from zero, as dialog units convert to pixels.
int MulDiv(int value, int numerator, int denominator)
{
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator : (product - half) / denominator);
}

// Measuring, label and button font alike: "MS Sans Serif" 8, or the sans
// family that stands in for it where it is not installed.
QFont MsgDlgFont()
{
    static const QStringList families = {QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                                         QStringLiteral("DejaVu Sans")};
    QString family = families.first();
    for (const QString& candidate : families) {
        if (QFontDatabase::hasFamily(candidate)) {
            family = candidate;
            break;
        }
    }
    QFont font(family);
    font.setPointSize(8);
    return font;
}

constexpr int TextFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextExpandTabs;

// A label that wraps and expands tabs exactly as the message was measured.
class TMessageLabel : public QLabel
{
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.drawText(rect(), TextFlags, text());
    }
};

} // namespace

QPoint GetAveCharSize(const QFont& font)
{
    static const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    // Measured as the message is, so that one line of the message is Y high.
    const QSize size = QFontMetrics(font).size(0, letters);
    return QPoint(size.width() / 52, size.height());
}

TMessageForm::TMessageForm(const QString& msg, TMsgDlgType dlgType, TMsgDlgButtons buttons, int x, int y)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setFont(MsgDlgFont());
    const QPoint u = GetAveCharSize(font());
    const int horzMargin = MulDiv(MsgDlgMetrics.HorzMargin, u.x(), 4);
    const int vertMargin = MulDiv(MsgDlgMetrics.VertMargin, u.y(), 8);
    const int horzSpacing = MulDiv(MsgDlgMetrics.HorzSpacing, u.x(), 4);
    const int vertSpacing = MulDiv(MsgDlgMetrics.VertSpacing, u.y(), 8);
    const int buttonWidth = MulDiv(MsgDlgMetrics.ButtonWidth, u.x(), 4);
    const int buttonHeight = MulDiv(MsgDlgMetrics.ButtonHeight, u.y(), 8);
    const int buttonSpacing = MulDiv(MsgDlgMetrics.ButtonSpacing, u.x(), 4);

    // Line breaks written CR LF (or a lone CR) break the line as LF does.
    QString text = msg;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));

    const QScreen* screenOfBox = QGuiApplication::primaryScreen();
    const QRect screen = screenOfBox->geometry();
    const QRect textRect = QFontMetrics(font()).boundingRect(QRect(0, 0, screen.width() / 2, 0), TextFlags, text);
    const int measuredHeight = textRect.height();

    // A message taller than the screen leaves room for the box's title bar
    // and frame and scrolls inside it, so that its buttons stay in reach.
    const QRect available = screenOfBox->availableGeometry();
    const int frameAllowance =
        style()->pixelMetric(QStyle::PM_TitleBarHeight) + 2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    const int fixedHeight = buttonHeight + vertSpacing + 2 * vertMargin;
    const int maxTextHeight = std::max(available.height() - frameAllowance - fixedHeight, IconSize);
    const bool scrolls = measuredHeight > maxTextHeight;
    const int scrollBarWidth = scrolls ? style()->pixelMetric(QStyle::PM_ScrollBarExtent) : 0;
    const int textWidth = textRect.width() + scrollBarWidth;
    const int shownHeight = scrolls ? maxTextHeight : measuredHeight;

    const bool hasIcon = dlgType != mtCustom;
    int textHeight = shownHeight;
    int clientWidth;
    if (hasIcon) {
        clientWidth = textWidth + IconSize + horzSpacing + 2 * horzMargin;
        textHeight = std::max(textHeight, IconSize);
    } else {
        clientWidth = textWidth + 3 * horzMargin;
    }
    const int clientHeight = textHeight + fixedHeight;

    int textLeft = horzMargin;
    if (hasIcon) {
        setWindowTitle(QString::fromLatin1(MsgDlgCaptions[dlgType]));
        FIcon = new QLabel(this);
        FIcon->setPixmap(style()->standardIcon(MsgDlgIcons[dlgType]).pixmap(IconSize, IconSize));
        FIcon->setGeometry(horzMargin, vertMargin, IconSize, IconSize);
        textLeft += IconSize + horzSpacing;
    } else {
        setWindowTitle(QGuiApplication::applicationDisplayName());
    }

    FMessage = new TMessageLabel(text);
    FMessage->setTextFormat(Qt::PlainText);
    FMessage->setWordWrap(true);
    if (scrolls) {
        FMessageScroller = new QScrollArea(this);
        FMessageScroller->setFrameShape(QFrame::NoFrame);
        FMessageScroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        FMessageScroller->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        FMessageScroller->setGeometry(textLeft, vertMargin, textWidth, shownHeight);
        FMessage->resize(textRect.width(), measuredHeight);
        FMessageScroller->setWidget(FMessage);
    } else {
        FMessage->setParent(this);
        FMessage->setGeometry(textLeft, vertMargin, textWidth, measuredHeight);
    }

    QPushButton* defaultButton = nullptr;
    for (std::size_t b = 0; b < MsgDlgButtonKinds.size(); ++b) {
        if (!buttons.Contains(static_cast<TMsgDlgBtn>(b)))
            continue;
        const TMsgDlgButtonKind& kind = MsgDlgButtonKinds[b];
        auto* button = new QPushButton(QString::fromLatin1(kind.Caption), this);
        button->resize(buttonWidth, buttonHeight);
        // A box holds one Enter and one Esc button: the first of each kind wins.
        if (kind.Default && !defaultButton)
            defaultButton = button;
        if (kind.Cancel && !FCancelButton)
            FCancelButton = button;
        if (kind.Result != mrNone)
            connect(button, &QPushButton::clicked, this, [this, result = kind.Result] { done(result); });
        FButtons.append(button);
    }

    if (defaultButton)
        defaultButton->setDefault(true);

    const int n = static_cast<int>(FButtons.size());
    const int groupWidth = n * buttonWidth + std::max(n - 1, 0) * buttonSpacing;
    if (clientWidth - 2 * horzMargin < groupWidth)
        clientWidth = groupWidth + 2 * horzMargin;
    int buttonLeft = (clientWidth - groupWidth) / 2;
    for (QPushButton* button : FButtons) {
        button->move(buttonLeft, vertMargin + textHeight + vertSpacing);
        buttonLeft += button->width() + buttonSpacing;
    }

    setFixedSize(clientWidth, clientHeight);
    if (x >= 0 && y >= 0)
        move(x, y);
    else if (scrolls)
        move(available.x() + (available.width() - clientWidth) / 2,
             available.y() + (available.height() - frameAllowance - clientHeight) / 2);
    else
        move(screen.x() + (screen.width() - clientWidth) / 2, screen.y() + (screen.height() - clientHeight) / 2);
}

void TMessageForm::reject()
{
    done(mrCancel);
}

void TMessageForm::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Cancel)) {
        if (FCancelButton)
            FCancelButton->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

std::uint16_t MessageDlgPos(const QString& msg, TMsgDlgType dlgType, TMsgDlgButtons buttons, int helpCtx,
                            int x, int y)
{
    static_cast<void>(helpCtx);
    TMessageForm form(msg, dlgType, buttons, x, y);
    return static_cast<std::uint16_t>(form.exec());
}

std::uint16_t MessageDlg(const QString& msg, TMsgDlgType dlgType, TMsgDlgButtons buttons, int helpCtx)
{
    return MessageDlgPos(msg, dlgType, buttons, helpCtx, -1, -1);
}
