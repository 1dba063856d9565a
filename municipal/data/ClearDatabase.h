#pragma once

class TDataModule1;

// Empties the database for a new survey: every table the survey fills, in a
// fixed order. An engine error stops at that table; those before stay empty.
void clearDatabase(TDataModule1 &dm);
