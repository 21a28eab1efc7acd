// MultiRule: an etched separator line (a shadow line with a highlight line beside it).
#pragma once

#include <QLine>
#include <QWidget>

class MultiRule : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int Orientation READ orientation WRITE setOrientation)

public:
    enum { Automatic = 0, Horizontal = 1, Vertical = 2 };

    explicit MultiRule(QWidget *parent = nullptr);

    int orientation() const;
    // Stores any value; values other than 0, 1 and 2 lay nothing out.
    void setOrientation(int orientation);

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

    int m_orientation = Automatic;
    QLine m_loLite{0, 45, 4200, 45};
    QLine m_hiLite{0, 60, 4200, 60};
};
