// The job filter as CUPS runs it: job-id user title copies options [file],
// the document on `input` when no file is named. It writes the device's job
// ticket, the document's bytes unchanged and the ticket's end on `output`.
// A job it refuses leaves `output` untouched: one "ERROR:" line on `errors`
// (CUPS shows it as the job's state message) and a non-zero answer.
#pragma once

#include <ostream>
#include <string>
#include <vector>

// `arguments` without the program's name.
int runJobFilter(const std::vector<std::string>& arguments, int input, int output, std::ostream& errors);
