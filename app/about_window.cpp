#include "app/about_window.h"

#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

#include "app/clickable_picture.h"
#include "app/icons.h"
#include "app/maker.h"
#include "app/twips.h"
#include "app/web_page.h"

namespace app {

namespace {

// Places in twips.
constexpr int kWidth = 8775, kHeight = 4455;
constexpr int kLogoLeft = 240, kLogoTop = 360, kLogoWidth = 4455, kLogoHeight = 1890;
constexpr int kCaptionLeft = 5040, kCaptionWidth = 975, kCaptionHeight = 375;
constexpr int kValueLeft = 6120, kValueWidth = 2535, kValueHeight = 255;
constexpr int kRowTops[] = {360, 720, 1080};
constexpr int kNoticeLeft = 240, kNoticeTop = 2640, kNoticeWidth = 8295;
constexpr int kRuleLeft = 120, kRuleTop = 3360, kRuleWidth = 8175;
constexpr int kWarningTop = 3480, kWarningStep = 300, kWarningHeadWidth = 855, kWarningLeft = 960, kWarningWidth = 6120;
constexpr int kOkLeft = 7200, kOkTop = 3840, kOkWidth = 1095, kOkHeight = 375;
constexpr int kLineHeight = 255;

QString qs(const char* utf8) { return QString::fromUtf8(utf8); }

QLabel* addLabel(QWidget* parent, QLabel* label, const char* name, const QString& text, QRect twips)
{
    label->setParent(parent);
    label->setObjectName(qs(name));
    label->setText(text);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);  // a caption and its value share their top
    label->setGeometry(twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    return label;
}

// A value that opens the home page when clicked, in the colour of a link.
ClickablePicture* addLink(QWidget* parent, const char* name, const QString& text, QRect twips)
{
    auto* link = new ClickablePicture;
    addLabel(parent, link, name, text, twips);
    QPalette palette = link->palette();
    palette.setColor(QPalette::WindowText, palette.color(QPalette::Link));
    link->setPalette(palette);
    QObject::connect(link, &ClickablePicture::clicked, parent, [parent] { openWebPage(parent, WebPage::Home); });
    return link;
}

}  // namespace

AboutWindow::AboutWindow()
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("About :Quelmara Vostraleen Blow Count"));
    setWindowIcon(icons::windowIcon());
    setFixedSize(twipsToPixels(kWidth), twipsToPixels(kHeight));

    auto* logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("Image1"));
    logo->setGeometry(twipsRect(kLogoLeft, kLogoTop, kLogoWidth, kLogoHeight));
    logo->setPixmap(icons::logo(logo->size()));

    const char* captions[][2] = {{"Label1", "เวบไซต์"}, {"Label2", "อีเมล์"}, {"Label3", "โทรศัพท์"}};
    for (int row = 0; row < 3; ++row)
        addLabel(this, new QLabel, captions[row][0], qs(captions[row][1]),
                 QRect(kCaptionLeft, kRowTops[row], kCaptionWidth, kCaptionHeight));
    addLink(this, "Label4", qs(maker::kWebAddress), QRect(kValueLeft, kRowTops[0], kValueWidth, kValueHeight));
    addLabel(this, new QLabel, "Label5", qs(maker::kEmail), QRect(kValueLeft, kRowTops[1], kValueWidth, kValueHeight));
    addLink(this, "Label6", qs(maker::kTelephone), QRect(kValueLeft, kRowTops[2], kValueWidth, kValueHeight));

    addLabel(this, new QLabel, "Label7",
             QStringLiteral("โปรแกรมนี้เป็นลิขสิทธิ์ของ %1 สงวนลิขสิทธิ์ทุกประการ").arg(qs(maker::kSiteName)),
             QRect(kNoticeLeft, kNoticeTop, kNoticeWidth, kLineHeight));

    auto* rule = new QFrame(this);
    rule->setObjectName(QStringLiteral("Shape1"));
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    rule->setGeometry(twipsRect(kRuleLeft, kRuleTop, kRuleWidth, 30));

    addLabel(this, new QLabel, "Label8", QStringLiteral("คำเตือน :"),
             QRect(kRuleLeft, kWarningTop, kWarningHeadWidth, kLineHeight));
    addLabel(this, new QLabel, "Label9",
             QStringLiteral("การทำซ้ำ ดัดแปลง หรือเผยแพร่โปรแกรมนี้โดยไม่ได้รับอนุญาตจากเจ้าของลิขสิทธิ์"),
             QRect(kWarningLeft, kWarningTop, kWarningWidth, kLineHeight));
    addLabel(this, new QLabel, "Label10", QStringLiteral("มีความผิดและต้องรับโทษตามกฎหมายทั้งทางแพ่งและทางอาญา"),
             QRect(kWarningLeft, kWarningTop + kWarningStep, kWarningWidth, kLineHeight));

    auto* ok = new QPushButton(QStringLiteral("ตกลง"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setGeometry(twipsRect(kOkLeft, kOkTop, kOkWidth, kOkHeight));
    ok->setAutoDefault(true);
    ok->setFocus();
    connect(ok, &QPushButton::clicked, this, &QWidget::close);
}

AboutWindow* showAboutWindow()
{
    static QPointer<AboutWindow> open;
    if (!open) {
        open = new AboutWindow;
        open->setAttribute(Qt::WA_DeleteOnClose);
    }
    open->show();
    open->raise();
    open->activateWindow();
    return open;
}

}  // namespace app
