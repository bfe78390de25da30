#pragma once

// Told what the computer sequence does, on the worker's thread. Nothing in
// the program installs one; tests do, to see that no two sequences ever run
// at once and that a pause stops a computer's search.
class TSequenceObserver {
public:
    virtual ~TSequenceObserver() = default;
    // A sequence's body begins, and has ended (also by an exception); the
    // end of the sequence on the GUI thread comes after the second call.
    virtual void BodyStarted() { }
    virtual void BodyEnded() { }
    // A computer seat begins to search its move (again after a pause).
    virtual void SearchStarting(int /*seat*/) { }
    // A pause stopped that search; the move is searched again afterwards.
    virtual void SearchInterrupted(int /*seat*/) { }
    // The sequence has come to the match's hold and stands there until it ends.
    virtual void Held() { }
};
