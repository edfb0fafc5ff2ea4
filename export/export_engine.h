// Joining result pages for the clipboard and writing the results file.
#pragma once
