// The device's job ticket: a job-language header before the document and
// its end after it.
#pragma once

#include <string>

#include "filter/DocumentLanguage.h"
#include "filter/TicketFields.h"

// From the universal exit to the ENTER LANGUAGE line, lines ended by CR LF.
std::string ticketHeader(const TicketFields& fields, DocumentLanguage language);

// The end of job and the closing universal exit.
std::string ticketEnd(const TicketFields& fields);
