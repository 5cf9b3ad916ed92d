#pragma once

// Why the player's progress store could not do what was asked, as a value: the menu's notice, the
// progress view and the log each say it in their own words.
enum class TStoreProblem {
    None,
    FolderNotWritable,  // no state folder is known, it cannot be made, or no file can be made in it
    FolderOpenToOthers, // another user may put files into the state folder
    ForeignLink,        // a symbolic link of another user lies on the way to the database
    LaterVersion,       // the database belongs to a later version of the program
    Held,               // another copy of the program held the database for the whole wait
    CannotOpen,         // the file is there but cannot be opened: permissions, a name too long...
    ReadOnly,           // the database can be read but not written
    ReadFailed,         // reading or writing failed: an input/output error, or damage found by a reader
    Damaged             // the database is damaged and could not be set aside for a new one
};
