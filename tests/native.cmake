# native tests
