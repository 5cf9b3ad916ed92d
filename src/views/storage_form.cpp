#include "storage_form.h"

#include "code_page.h"
#include "translation.h"

#include <QFont>

QFont SpecFont(const TControlSpec& row)
{
    QFont f(QString::fromLatin1(row.family));
    if (row.fontPx > 0)
        f.setPixelSize(row.fontPx);
    f.setBold(row.flags & kBold);
    f.setItalic(row.flags & kItalic);
    return f;
}

namespace {

QWidget* Make(const TControlSpec& r, QWidget* parent, const char* context)
{
    const bool caption = context && r.text && *r.text && r.kind != TKind::Image;
    const QString text = caption ? FromCp1252(Tr(context, r.text)) : FromCp1252(r.text ? r.text : "");
    switch (r.kind) {
    case TKind::Panel: {
        auto* w = new TPanel(parent);
        w->Color = QColor::fromRgba(r.color);
        w->Border = r.flags & kBorder;
        return w;
    }
    case TKind::Image: {
        auto* w = new TImage(parent);
        w->Stretch = r.flags & kStretch;
        w->resize(r.width, r.height);
        if (r.text && *r.text)
            w->LoadPicture(QStringLiteral(":/pictures/%1.svg").arg(text));
        if (r.flags & kHand)
            SetCursorId(w, 90);
        return w;
    }
    case TKind::Label: {
        auto* w = new TLabel(parent);
        w->setFont(SpecFont(r));
        QPalette pal = w->palette();
        pal.setColor(QPalette::WindowText, QColor::fromRgba(r.color));
        pal.setColor(QPalette::Window, QColor::fromRgba(r.background));
        w->setPalette(pal);
        if (r.flags & kOpaque) {
            // Translucent widgets also refuse the system background; an opaque label needs it back.
            w->setAttribute(Qt::WA_TranslucentBackground, false);
            w->setAttribute(Qt::WA_NoSystemBackground, false);
            w->setAutoFillBackground(true);
        }
        Qt::Alignment a = Qt::AlignTop;
        a |= (r.flags & kCentre) ? Qt::AlignHCenter : (r.flags & kRight) ? Qt::AlignRight : Qt::AlignLeft;
        w->setAlignment(a);
        w->setWordWrap(r.flags & kWrap);
        w->AutoSize = !(r.flags & kFixedSize) && r.width == 0;
        w->setText(text);
        if (w->AutoSize)
            w->adjustSize();
        return w;
    }
    case TKind::Shape: {
        auto* w = new TShape(parent);
        w->Brush = QColor::fromRgba(r.color);
        w->Pen = QColor::fromRgba(r.background);
        w->HasPen = !(r.flags & kNoPen);
        w->HasBrush = !(r.flags & kNoBrush);
        return w;
    }
    case TKind::PieGauge:
        return new TPieGauge(parent);
    case TKind::PaintBox:
        return new TPaintBox(parent);
    case TKind::Button: {
        auto* w = new TButton(parent);
        w->setText(text);
        if (r.fontPx > 0)
            w->setFont(SpecFont(r));
        return w;
    }
    case TKind::Combo: {
        auto* w = new TComboBox(parent);
        w->setEditable(false);
        if (r.fontPx > 0)
            w->setFont(SpecFont(r));
        return w;
    }
    case TKind::Edit: {
        auto* w = new TEdit(parent);
        w->setText(text);
        if (r.fontPx > 0)
            w->setFont(SpecFont(r));
        return w;
    }
    }
    return nullptr;
}

} // namespace

void BuildControls(QWidget* form, std::initializer_list<TControlSpec> rows, const char* context)
{
    for (const TControlSpec& r : rows) {
        QWidget* parent = form;
        if (r.parent) {
            parent = form->findChild<QWidget*>(QString::fromLatin1(r.parent));
            if (!parent)
                parent = form;
        }
        QWidget* w = Make(r, parent, context);
        w->setObjectName(QString::fromLatin1(r.name));
        if (r.kind == TKind::Label && r.width == 0)
            w->move(r.left, r.top);
        else
            w->setGeometry(r.left, r.top, r.width, r.height);
        w->setVisible(!(r.flags & kHidden));
    }
}
