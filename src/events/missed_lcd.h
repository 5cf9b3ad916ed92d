#pragma once
#include <QColor>
#include <QImage>
#include <QWidget>

// The small display on a game's console that shows how many items were missed: a row of lamp
// pictures, the first LitCount of them lit. It takes the size of its row of lamps.
class TMissedLcd : public QWidget {
  public:
    explicit TMissedLcd(QWidget* Owner = nullptr);

    void SetSlotCount(std::int32_t N);
    void SetLitCount(std::int32_t N);

    std::int32_t SlotCount = 0;
    std::int32_t LitCount = 0;
    // Lamp pictures, owned by a storage form.
    const QImage* OffPicture = nullptr;
    const QImage* OnPicture = nullptr;
    // Background behind the lamps; the games use black.
    QColor Color = Qt::black;

    // The size of the row of lamps as it is drawn.
    QSize LampRowSize() const;

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    const QImage* Lamp(int i) const;
    void FitToLamps();
};
