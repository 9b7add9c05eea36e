#pragma once
// The program's version, for the version resource (and anything else that shows it).
#define HARVALA_VERSION_MAJOR 2
#define HARVALA_VERSION_MINOR 5
#define HARVALA_VERSION_TEXT "2.5"
#define HARVALA_PRODUCT_NAME "Harvala"
#define HARVALA_COMPANY_NAME "Brenlow"
#define HARVALA_FILE_DESCRIPTION "Brenlow Harvala"
