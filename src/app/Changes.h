#pragma once
#include <functional>
#include <vector>

// What an edit, an undo or redo, an open or a setting changed.
enum class ChangeKind {
    Design,  // replaced or restored as a whole: new, open, undo, redo
    Track,   // the parts or the place of one track (Track: its slot, -1 several)
    Palette, // the palette's parts or how it shows them: the brand, the definitions
    Stock,   // the parts the user owns
    View,    // how lengths show: the units
    Car,     // the car the lap times drive
};

struct Change {
    ChangeKind Kind = ChangeKind::Design;
    int Track = -1;
};

// One way changes travel: commands announce what they changed, and every
// view that shows it listens, so no command needs to know the views.
class ChangeBoard {
  public:
    using Listener = std::function<void(const Change&)>;
    // A number that StopListening takes.
    int Listen(Listener listener);
    void StopListening(int id);
    // Listeners hear it in the order they started listening.
    void Announce(const Change& change) const;

  private:
    struct Entry {
        int Id;
        Listener Hears;
    };
    std::vector<Entry> Listeners;
    int NextId = 1;
};
