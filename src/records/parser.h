#pragma once
// The aggregate grammar: turns g_parseText into the parts of a record, chosen by the record's
// operation key and information name.

class CEdbsRecord;

// Fills record.m_parts from g_parseText. Returns minus the number of parts on success, or the
// positive error code (also stored in m_parseResult); the parts built before an error stay.
int ParseRecord(CEdbsRecord& record);
