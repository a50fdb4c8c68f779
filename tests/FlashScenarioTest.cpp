// Tests are being written for this file.
