// Replaced as soon as the folder holds its first class.
