# windows tests
