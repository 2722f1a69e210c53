; earlier run
