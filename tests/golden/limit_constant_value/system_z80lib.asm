; run-time library (empty for this case)
