#pragma once

#include <QString>

// The entry command a download drives: the main window's "录入" with its
// checks, derivation and one transaction per draw. The main window implements
// it, so this folder never needs to know the main window.
class EntryCommand
{
public:
    // Enters one draw as the user's entry would, without its boxes. Returns
    // empty when the draw was stored, else why it was refused; an error of
    // the store (a full disk, a read-only file) is thrown.
    virtual QString enterQuietly(const QString& issue, const QString& number) = 0;

    // While a Batch lives, entries leave the grid alone and it is reloaded
    // once at the batch's end: a page of many draws ends in the state the same
    // entries one by one would leave.
    class Batch
    {
    public:
        explicit Batch(EntryCommand& command) : m_command(command) { m_command.beginEntries(); }
        ~Batch() { m_command.endEntries(); }
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        EntryCommand& m_command;
    };

protected:
    ~EntryCommand() = default;
    virtual void beginEntries() = 0;
    virtual void endEntries() = 0; // runs from a destructor: shows errors, never throws
};
