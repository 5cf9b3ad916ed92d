#pragma once
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <functional>
#include <string>

class QPainter;

// The controls the screens are made of. Each is a Qt widget whose objectName() is the component name;
// handlers are plain function objects that views install and clear while they are shown.

using TNotifyEvent = std::function<void(QObject* Sender)>;

// A colour-filled panel, optionally with a one-pixel border. Screen readers see only the children
// that are shown on it.
class TPanel : public QWidget {
    Q_OBJECT

  public:
    explicit TPanel(QWidget* parent = nullptr);
    QColor Color = Qt::white;
    bool Border = false;

  protected:
    void paintEvent(QPaintEvent*) override;
};

// A picture control. It owns its picture as an image the size of the control, so code may draw on it
// (Canvas) as well as load artwork into it; clicks go to OnClick. A picture made a button (MakeButton)
// is a named button for screen readers, reached with Tab and pressed with Space or Enter as well.
class TImage : public QWidget {
    Q_OBJECT

  public:
    explicit TImage(QWidget* parent = nullptr);
    // Renders an SVG resource (":/pictures/name.svg") at the control's size and the screen's pixel ratio.
    void LoadPicture(const QString& resource);
    // Copies another control's picture (and its size) into this one.
    void Assign(const TImage& other);
    // Frees the picture's memory (the cover after start-up).
    void ClearPicture();
    // The picture to draw on, in the control's logical coordinates; call update() after drawing.
    QImage& Canvas();
    const QImage& Picture() const { return picture_; }
    bool Stretch = false;
    TNotifyEvent OnClick;
    void MakeButton(const QString& name);
    bool IsButton() const { return button_; }
    // Runs OnClick, as a click does.
    void Click();

  protected:
    void paintEvent(QPaintEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void keyPressEvent(QKeyEvent*) override;
    void focusInEvent(QFocusEvent*) override;
    void focusOutEvent(QFocusEvent*) override;

  private:
    QImage picture_;
    QString resource_;
    bool button_ = false;
};

// A text label in the program's code page; "&" marks an accelerator that focuses the buddy.
class TLabel : public QLabel {
  public:
    explicit TLabel(QWidget* parent = nullptr);
    void SetCaption(const std::string& text);
    std::string Caption() const;
    bool AutoSize = true;
    // Clicks on the label's text go here when set (the menu's notice).
    TNotifyEvent OnClick;

  protected:
    bool event(QEvent* e) override;
    void mouseReleaseEvent(QMouseEvent*) override;
};

// A filled rectangle (shape control).
class TShape : public QWidget {
  public:
    explicit TShape(QWidget* parent = nullptr);
    QColor Brush = Qt::white;
    QColor Pen = Qt::black;
    bool HasBrush = true;
    bool HasPen = true;
    int PenWidth = 1;

  protected:
    void paintEvent(QPaintEvent*) override;
};

// A pie gauge: a filled pie slice showing Progress between MinValue and MaxValue.
class TPieGauge : public QWidget {
  public:
    explicit TPieGauge(QWidget* parent = nullptr);
    void SetProgress(int value);
    int Progress() const { return progress_; }
    int MinValue = 0;
    int MaxValue = 100;
    QColor Fore = Qt::green;
    QColor Back = Qt::black;

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    int progress_ = 0;
};

// A control that code paints: OnPaint is called with a painter on the control. Screen readers see it as
// a canvas with its accessible name; OnDescribe, when set, gives its description when asked.
class TPaintBox : public QWidget {
    Q_OBJECT

  public:
    explicit TPaintBox(QWidget* parent = nullptr);
    std::function<void(QPainter&)> OnPaint;
    std::function<QString()> OnDescribe;

  protected:
    void paintEvent(QPaintEvent*) override;
};

class TButton : public QPushButton {
  public:
    explicit TButton(QWidget* parent = nullptr);
    TNotifyEvent OnClick;
};

// A drop-down list; OnChange runs when the player picks another item.
class TComboBox : public QComboBox {
  public:
    explicit TComboBox(QWidget* parent = nullptr);
    // The chosen item's text; for an item of the program's own, its English source text, so that
    // what the choice names (a game's description, its top-ten table) is the same in every language.
    std::string Text() const;
    // Adds an item of the program's own, shown in the player's language.
    void AddProgramItem(const char* context, const char* source);
    TNotifyEvent OnChange;
};

class TEdit : public QLineEdit {
  public:
    explicit TEdit(QWidget* parent = nullptr);
    std::string Text() const;
    void SetText(const std::string& text);
};

// The program's cursors by number; id 90 is the hand over clickable pictures. Controls marked with
// SetCursorId show the cursor once it is installed.
void SetCursorId(QWidget* w, int id);
void InstallCursor(int id, const QCursor& cursor);

// The accessibility of the drawn controls: panels and the window expose only the children that are
// shown and lie on them (a hidden control, or one placed outside its panel, is no object for a screen
// reader), pictures made buttons are buttons with a press action, paint boxes are canvases. Installed
// once, before the first window is shown.
void InstallControlsAccessibility();
// The interface of a container that exposes only its shown children, for other container classes.
class QAccessibleInterface;
QAccessibleInterface* NewShownChildrenAccessible(QWidget* w);
// Whether a control is seen on its parent: not hidden, and not mostly outside the parent's area.
bool ShownOnParent(const QWidget* w);

// Where the focus goes back to when the page that took it is left: the control that opened a game.
void SetFocusReturn(QWidget* w);
// Puts the focus back there, when that control is still shown; true when it did.
bool ReturnFocus();

// Looks up a control by component name below a form.
template <class T> T* Control(QWidget* form, const char* name)
{
    return form->findChild<T*>(QString::fromLatin1(name));
}
