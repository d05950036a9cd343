#include "gui/windows/user_guide_window.h"

#include <QDesktopServices>
#include <QEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QVBoxLayout>
#include <cmath>

#include "gui/access/palette_colours.h"
#include "gui/language/language_setup.h"


// The guide and its pictures are built in, so it reads the same offline on
// every system.
static void InitGuideResources() { Q_INIT_RESOURCE(user_guide); }

namespace cv {

namespace {

// A picture the guide shows, as the browser loads it.
QImage Picture(QTextDocument& document, const QString& name) {
    const QVariant data = document.resource(QTextDocument::ImageResource, QUrl(name));
    switch (data.userType()) {
        case QMetaType::QImage: return data.value<QImage>();
        case QMetaType::QPixmap: return data.value<QPixmap>().toImage();
        default: return QImage::fromData(data.toByteArray());
    }
}

}  // namespace

QUrl UserGuideSource(const QString& languageCode) {
    const QString translated = QStringLiteral("/guide/user-guide.%1.md").arg(languageCode);
    if (QFile::exists(QLatin1Char(':') + translated)) return QUrl(QStringLiteral("qrc:") + translated);
    return QUrl(QStringLiteral("qrc:/guide/user-guide.md"));
}

QString HeadingAnchor(const QString& heading) {
    QString anchor;
    for (const QChar c : heading.toLower()) {
        if (c.isLetterOrNumber() || c.isMark() || c == QLatin1Char('-') || c == QLatin1Char('_')) {
            anchor += c;
        } else if (c == QLatin1Char(' ')) {
            anchor += QLatin1Char('-');
        }
    }
    return anchor;
}

UserGuideWindow::UserGuideWindow(QWidget* parent)
    : SecondaryWindow(tr("CV Timer User Guide"), QStringLiteral("userGuide"), parent) {
    InitGuideResources();

    auto* layout = new QVBoxLayout(this);
    auto* findBar = new QHBoxLayout;
    auto* findLabel = new QLabel(tr("&Find:"), this);
    findField = new QLineEdit(this);
    findField->setObjectName(QStringLiteral("findInGuide"));
    findField->setAccessibleName(tr("Find in the guide"));
    findField->setClearButtonEnabled(true);
    findLabel->setBuddy(findField);
    auto* previous = new QPushButton(tr("&Previous"), this);
    auto* next = new QPushButton(tr("&Next"), this);
    previous->setAutoDefault(false);
    next->setAutoDefault(false);
    findNote = new QLabel(this);
    findNote->setObjectName(QStringLiteral("findNote"));
    findBar->addWidget(findLabel);
    findBar->addWidget(findField, 1);
    findBar->addWidget(previous);
    findBar->addWidget(next);
    findBar->addWidget(findNote, 1);
    layout->addLayout(findBar);

    text = new QTextBrowser(this);
    text->setObjectName(QStringLiteral("guideText"));
    text->setAccessibleName(tr("User guide"));
    // Links are followed here: the browser's own way loads the guide afresh,
    // which would lose the headings' names.
    text->setOpenLinks(false);
    connect(text, &QTextBrowser::anchorClicked, this, &UserGuideWindow::FollowLink);
    text->setSource(UserGuideSource(QString::fromLatin1(LanguageCode(InstalledLanguage()))),
                    QTextDocument::MarkdownResource);
    text->document()->setUndoRedoEnabled(false);
    PrepareText();
    ColourLinks();
    layout->addWidget(text, 1);
    setTabOrder(text, findField);
    setTabOrder(findField, previous);
    setTabOrder(previous, next);

    connect(next, &QPushButton::clicked, this, [this] { FindNext(false); });
    connect(previous, &QPushButton::clicked, this, [this] { FindNext(true); });
    connect(findField, &QLineEdit::returnPressed, this, [this] { FindNext(false); });
    // Found as it is typed, from where the last match began.
    connect(findField, &QLineEdit::textEdited, this, [this] {
        QTextCursor from = text->textCursor();
        from.setPosition(from.selectionStart());
        text->setTextCursor(from);
        FindNext(false);
    });

    const auto addShortcut = [this](const QKeySequence& keys, QWidget* scope, auto action) {
        auto* shortcut = new QShortcut(keys, scope);
        shortcut->setContext(scope == this ? Qt::WidgetWithChildrenShortcut : Qt::WidgetShortcut);
        connect(shortcut, &QShortcut::activated, this, action);
    };
    addShortcut(QKeySequence::Find, this, [this] {
        findField->setFocus(Qt::ShortcutFocusReason);
        findField->selectAll();
    });
    addShortcut(QKeySequence::FindNext, this, [this] { FindNext(false); });
    addShortcut(QKeySequence::FindPrevious, this, [this] { FindNext(true); });
    addShortcut(QKeySequence(Qt::SHIFT | Qt::Key_Return), findField, [this] { FindNext(true); });
    addShortcut(QKeySequence(Qt::SHIFT | Qt::Key_Enter), findField, [this] { FindNext(true); });
    addShortcut(QKeySequence::Back, this, &UserGuideWindow::GoBack);
    text->setFocus();
}

void UserGuideWindow::PrepareText() {
    QTextDocument& document = *text->document();
    QTextCursor edit(&document);
    edit.beginEditBlock();
    QHash<QString, int> used;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        // Examples wrap rather than run off to the right of a narrow window.
        if (block.blockFormat().nonBreakableLines()) {
            QTextBlockFormat wrapping;
            wrapping.setNonBreakableLines(false);
            QTextCursor(block).mergeBlockFormat(wrapping);
        }
        if (block.blockFormat().headingLevel() == 0 || block.length() <= 1) continue;
        QString anchor = HeadingAnchor(block.text());
        // A second heading of the same words is "...-1", as on a code forge.
        const int before = used[anchor]++;
        if (before > 0) anchor += QStringLiteral("-%1").arg(before);
        QTextCursor heading(block);
        heading.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        QTextCharFormat named;
        named.setAnchor(true);
        named.setAnchorNames({anchor});
        heading.mergeCharFormat(named);
    }
    edit.endEditBlock();
}

void UserGuideWindow::ColourLinks() {
    const QPalette& colours = palette();
    QColor link = colours.color(QPalette::Link);
    if (ContrastRatio(link, colours.color(QPalette::Base)) < kTextContrast) link = colours.color(QPalette::Text);
    QTextDocument& document = *text->document();
    QTextCursor edit(&document);
    edit.beginEditBlock();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto part = block.begin(); !part.atEnd(); ++part) {
            const QTextFragment fragment = part.fragment();
            if (fragment.charFormat().anchorHref().isEmpty()) continue;
            QTextCharFormat coloured;
            coloured.setForeground(link);
            edit.setPosition(fragment.position());
            edit.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            edit.mergeCharFormat(coloured);
        }
    }
    edit.endEditBlock();
}

void UserGuideWindow::changeEvent(QEvent* event) {
    SecondaryWindow::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && text) ColourLinks();
}

void UserGuideWindow::FollowLink(const QUrl& link) {
    const QUrl guide = text->source().adjusted(QUrl::RemoveFragment);
    const QUrl target = guide.resolved(link);
    if (target.adjusted(QUrl::RemoveFragment) == guide) {
        cameFrom.push_back(text->verticalScrollBar()->value());
        text->scrollToAnchor(target.fragment());
    } else if (target.scheme() == QLatin1String("https") || target.scheme() == QLatin1String("http")) {
        QDesktopServices::openUrl(target);
    }
}

void UserGuideWindow::GoBack() {
    if (cameFrom.empty()) return;
    text->verticalScrollBar()->setValue(cameFrom.back());
    cameFrom.pop_back();
}

void UserGuideWindow::FitPictures() {
    QTextDocument& document = *text->document();
    const int room = text->viewport()->width() - 2 * static_cast<int>(std::ceil(document.documentMargin())) - 4;
    if (room <= 0 || room == fittedWidth) return;
    fittedWidth = room;
    // Found first and changed after, in one edit: the layout is then made
    // afresh once, below the pictures too.
    std::vector<QTextFragment> found;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto part = block.begin(); !part.atEnd(); ++part) {
            if (part.fragment().charFormat().isImageFormat()) found.push_back(part.fragment());
        }
    }
    const qreal ratio = text->viewport()->devicePixelRatioF();
    QTextCursor at(&document);
    at.beginEditBlock();
    for (const QTextFragment& fragment : found) {
        QTextImageFormat picture = fragment.charFormat().toImageFormat();
        if (!pictures.contains(picture.name())) pictures.insert(picture.name(), Picture(document, picture.name()));
        const QImage& natural = pictures[picture.name()];
        if (natural.isNull()) continue;
        // Narrowed smoothly here: the text's own drawing would drop pixels.
        const int width = std::min(natural.width(), room);
        const int height = width * natural.height() / natural.width();
        QImage shown = width == natural.width() ? natural
                                                : natural.scaled(QSize(width, height) * ratio, Qt::IgnoreAspectRatio,
                                                                 Qt::SmoothTransformation);
        if (width != natural.width()) shown.setDevicePixelRatio(ratio);
        document.addResource(QTextDocument::ImageResource, document.baseUrl().resolved(QUrl(picture.name())), shown);
        picture.setWidth(width);
        picture.setHeight(height);
        at.setPosition(fragment.position());
        at.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
        at.setCharFormat(picture);
    }
    at.endEditBlock();
}

void UserGuideWindow::resizeEvent(QResizeEvent* event) {
    SecondaryWindow::resizeEvent(event);
    FitPictures();
}

QSize UserGuideWindow::sizeHint() const {
    // About 90 characters a line, and tall enough for a good part of a section.
    const QFontMetrics metrics = fontMetrics();
    return {metrics.averageCharWidth() * 100, metrics.lineSpacing() * 45};
}

QSize UserGuideWindow::minimumSizeHint() const {
    return SecondaryWindow::minimumSizeHint().expandedTo({fontMetrics().averageCharWidth() * 60, 0});
}

void UserGuideWindow::ShowBeside(const QWidget& beside) {
    SecondaryWindow::ShowBeside(beside);
    FitPictures();
    text->setFocus(Qt::OtherFocusReason);
}

bool UserGuideWindow::FindNext(bool backward) {
    const QString wanted = findField->text();
    if (wanted.isEmpty()) {
        findNote->clear();
        return false;
    }
    const QTextDocument::FindFlags flags = backward ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    const QTextCursor before = text->textCursor();
    bool found = text->find(wanted, flags);
    if (!found) {
        // Round the end of the guide to its start, or the other way.
        QTextCursor round(text->document());
        round.movePosition(backward ? QTextCursor::End : QTextCursor::Start);
        text->setTextCursor(round);
        found = text->find(wanted, flags);
        if (!found) text->setTextCursor(before);
    }
    findNote->setText(found ? QString() : tr("\"%1\" is nowhere in the guide.").arg(wanted));
    return found;
}

QString UserGuideWindow::FindNote() const { return findNote->text(); }

}  // namespace cv
