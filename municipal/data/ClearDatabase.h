#pragma once

class TDataModule1;

// Empties the database for a new survey: every table the survey fills, in a
// fixed order, in one transaction: an engine error leaves every table as it was.
void clearDatabase(TDataModule1 &dm);
