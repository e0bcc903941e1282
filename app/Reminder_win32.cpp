#include "app/Reminder.h"

TRemindersFrm* RemindersFrm = nullptr;
