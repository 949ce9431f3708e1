#pragma once
#include "RaceCourse.h"

#include <vector>

// The race view's cars: one per lane of every closed track, all starting
// together at the first part and each driving its lane's flying lap again and
// again. It reads the design once, at the start, and never changes it.

struct RaceCar {
    int Slot = 0;
    int TrackNumber = 0;
    int Lane = 0; // 0 or 1
    LaneLap Lap;
    std::vector<CoursePiece> Course;
};

// A car at one moment.
struct CarState {
    LaneSpot Spot;
    int Laps = 0;         // laps completed
    double LastLap = 0.0; // s, 0 before the first lap is done
};

constexpr double RACE_SLOWEST = 0.1; // the speed factor's range
constexpr double RACE_FASTEST = 4.0;

class Race {
  public:
    // False when no track closes: then nothing races.
    bool Start(T_DESIGN& design, const Car& car);
    void Stop();
    bool Running() const { return !Cars.empty(); }
    // Moves the clock on by that much of the user's time, times the speed factor.
    void Advance(double seconds);
    void SetSpeedFactor(double factor);
    double SpeedFactor() const { return Factor; }
    double Elapsed() const { return Clock; } // s of race time
    const std::vector<RaceCar>& Entrants() const { return Cars; }
    std::vector<CarState> States() const;

  private:
    std::vector<RaceCar> Cars;
    double Clock = 0.0;
    double Factor = 1.0;
};
