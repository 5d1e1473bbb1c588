#ifndef RATINGWIDGET_H
#define RATINGWIDGET_H

#include <QWidget>

class QHBoxLayout;

/*
 * A catalogue rating: up to five stars (full, half, empty) for a score of
 * 1 and more, or the text that there is no rating yet.
 */
class RatingWidget : public QWidget
{
    Q_OBJECT
public:
    explicit RatingWidget(double score = 0.0, QWidget *parent = nullptr);

    void setScore(double score);
    double score() const { return m_score; }

private:
    void clear();

    QHBoxLayout *m_layout;
    double m_score = 0.0;
};

#endif // RATINGWIDGET_H
