# Golden samples that wait for a part of the calculator not built yet, each
# with what it waits for. Remove a line when that part lands.
# (none: every sample runs)
