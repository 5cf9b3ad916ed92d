#pragma once
#include "form_view.h"
#include "progress_data.h"

#include <QWidget>
#include <functional>
#include <memory>
#include <string>

class TImage;
class TProgressKeysTable;

// What the progress page shows, as one text for screen readers: the hardest keys with their error
// rates and speed, each game's last scores and best of the week, and the accuracy and speed of each
// of the last days with typing, the newest first, as the day charts draw them. Windows-1252.
std::string ProgressText(const TProgressData& data);

// The page the progress is drawn on.
class TProgressPage : public QWidget {
  public:
    explicit TProgressPage(QWidget* parent);
    TProgressData Data;
    // A click on the page's "Back" control.
    std::function<void()> OnBack;

  protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
};

// The player's progress on the left page of the games menu, in place of the games picture or the
// top ten: the keyboard coloured by difficulty, the hardest keys and the last scores of each game.
// Esc or a click on its "Back" control leaves it (OnLeave); starting a game leaves it with the rest
// of the menu.
class TProgressView : public TFormView {
  public:
    TProgressView();
    ~TProgressView() override;

    void Load() override;
    void KeyDown(QObject* Sender, std::uint16_t& Key, TShiftState Shift) override;
    void Unload() override;

    // Reads the progress afresh each time the view is shown.
    std::function<TProgressData()> Collect;
    // Asked for when the player leaves the view with Esc.
    std::function<void()> OnLeave;

    TProgressPage* Page() const { return page_; }

  private:
    std::unique_ptr<QWidget> holder_;
    TProgressPage* page_;
    TImage* back_;
    TProgressKeysTable* keysTable_; // the hardest keys, as screen readers read a table
    // The page has its own title: the book's title console is hidden while it is shown, and shown
    // again afterwards when it was shown before.
    bool titleWasShown_ = false;
};
