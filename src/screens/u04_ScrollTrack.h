#pragma once
// The scroll track of the list screens: an empty track picture with a ball drawn on it.
// The ball's height on the track stands for a scroll position between 0 and a maximum.
#include <QImage>

// How far the ball can move: the track's height less the ball's; never below 0.
int TrackTravel(int trackHeight, int ballHeight);

// The track picture with the ball at height y when withBall is set; empty without a track.
QImage ComposeTrack(const QImage& trackBase, const QImage& ball, int y, bool withBall);

// The position a ball at y stands for: y x maximum div travel. A track without travel
// stands for position 0 only.
int PositionFromBall(int y, int maximum, int travel);

// Where the ball stands for a position: the top of that position's share of the travel.
int BallFromPositionY(int position, int maximum, int travel);
