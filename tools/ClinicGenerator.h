#pragma once

#include <QString>
#include <vector>

namespace velorin::tools {

// Creates the clinic tables HASTA.DB (patients) and YAPGEREK.DB (examinations, index pn1
// on PNO) in a folder, optionally filled with generated patients and their examinations.
class ClinicGenerator
{
public:
    struct Column
    {
        QString name;
        QString declaration; // INTEGER, DOUBLE, VARCHAR(n), TIMESTAMP, INTEGER PRIMARY KEY AUTOINCREMENT
    };

    static const std::vector<Column>& patientColumns();
    static const std::vector<Column>& examinationColumns();

    // Refuses to replace existing tables: they may hold real records.
    // The same count always gives the same patients.
    static void create(const QString& folder, int patients);
};

} // namespace velorin::tools
