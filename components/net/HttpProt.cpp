#include "components/net/HttpProt.h"
