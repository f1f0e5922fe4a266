// Everything about files, folders, paths and drives in one include.
#pragma once

#include "drives.h"
#include "fileops.h"
#include "findfile.h"
#include "folders.h"
#include "paths.h"
