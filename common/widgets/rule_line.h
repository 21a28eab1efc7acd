// MultiRule: an etched separator line (a shadow line with a highlight line beside it).
#pragma once

#include <QLine>
#include <QWidget>

class MultiRule : public QWidget
{
    Q_OBJECT

public:
    // Automatic: along the longer side.
    enum class Orientation { Automatic = 0, Horizontal = 1, Vertical = 2 };
    Q_ENUM(Orientation)
    Q_PROPERTY(Orientation Orientation READ orientation WRITE setOrientation)

    explicit MultiRule(QWidget *parent = nullptr);

    Orientation orientation() const;
    // Lays the lines out again at once.
    void setOrientation(Orientation orientation);

    // Line positions in twips within the control (15 twips are one pixel).
    QLine loLite() const;
    QLine hiLite() const;

    // Lays the lines out for an inner size in twips, as a resize does.
    void layoutLines(int innerWidthTwips, int innerHeightTwips);

    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void layoutHorizontal(int width);
    void layoutVertical(int height);

    Orientation m_orientation = Orientation::Automatic;
    QLine m_loLite{0, 45, 4200, 45};
    QLine m_hiLite{0, 60, 4200, 60};
};
