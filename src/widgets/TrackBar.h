#pragma once
// A scroll position holder: a position between a minimum and a maximum. A position set
// outside is clamped, and only a real change of the position notifies.
#include <QObject>

class TTrackBar : public QObject
{
    Q_OBJECT
public:
    explicit TTrackBar(QObject* parent = nullptr);

    int Min() const { return FMin; }
    int Max() const { return FMax; }
    int Position() const { return FPosition; }

    void SetMin(int min);
    // A maximum below the minimum becomes the minimum.
    void SetMax(int max);
    void SetPosition(int position);

signals:
    void Change();

private:
    void ClampPosition();

    int FMin = 0;
    int FMax = 10;
    int FPosition = 0;
};
