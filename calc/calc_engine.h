// The calculator's state machine: entry, left-to-right evaluation, failures.
#pragma once
