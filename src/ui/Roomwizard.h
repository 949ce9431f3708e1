#pragma once
#include "room/Newroom.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// "New Room Wizard": a room shape, its measures A to F and a picture of it.
class TNewRoomWizard : public QDialog {
    Q_OBJECT
  public:
    explicit TNewRoomWizard(QWidget* parent);
    // Shows the units of the Metric setting; false unless closed with OK.
    bool Ask(RoomOutlineRequest& request, bool metric);
    void Fill(bool metric);
    RoomOutlineRequest Request() const;
    // The enabling table of a shape: picture, boxes, Invert's caption, Filled In.
    void ShowShape(RoomShape shape);

    QRadioButton* RectangleButton = nullptr;
    QRadioButton* LButton = nullptr;
    QRadioButton* MButton = nullptr;
    QRadioButton* TButton = nullptr;
    QRadioButton* NoneButton = nullptr;
    QLabel* RoomImage = nullptr;          // the picture of the chosen shape
    std::array<QLineEdit*, 6> Measures{}; // qA .. qF
    std::array<QLabel*, 6> Units{};       // ALabel .. FLabel
    QCheckBox* InvertToggle = nullptr;
    QCheckBox* FilledToggle = nullptr;
    QPushButton* OkButton = nullptr;

  private:
    // The picture of the shape as it will be drawn, mirrored or flipped.
    void ShowPicture();
    RoomShape Shape = RoomShape::Rectangle;
};
