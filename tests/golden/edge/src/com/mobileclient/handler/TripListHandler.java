package com.mobileclient.handler;
import java.sql.Timestamp;
import java.util.ArrayList;
import java.util.List;

import org.xml.sax.Attributes;
import org.xml.sax.SAXException;
import org.xml.sax.helpers.DefaultHandler;

import com.mobileclient.domain.Trip;
public class TripListHandler extends DefaultHandler {
	private List<Trip> tripList = null;
	private Trip trip;
	private String tempString;
	private StringBuilder valueBuffer = new StringBuilder();
	@Override
	public void characters(char[] ch, int start, int length) throws SAXException {
		super.characters(ch, start, length);
		if (trip != null) { 
            valueBuffer.append(ch, start, length); 
        } 
	}

	@Override
	public void endElement(String uri, String localName, String qName) throws SAXException {
		super.endElement(uri, localName, qName);
		if (trip != null) { 
            String valueString = valueBuffer.toString(); 
            if ("tripNo".equals(tempString)) 
            	trip.setTripNo(valueString); 
            else if ("fromCity".equals(tempString) && valueString.length() > 0) 
            	trip.setFromCity(new Integer(valueString).intValue());
            else if ("toCity".equals(tempString) && valueString.length() > 0) 
            	trip.setToCity(new Integer(valueString).intValue());
            else if ("city".equals(tempString) && valueString.length() > 0) 
            	trip.setCity(new Integer(valueString).intValue());
            else if ("startDate".equals(tempString) && valueString.length() > 0) 
            	trip.setStartDate(Timestamp.valueOf(valueString));
            else if ("fare".equals(tempString) && valueString.length() > 0) 
            	trip.setFare(new Float(valueString).floatValue());
            else if ("seats".equals(tempString) && valueString.length() > 0) 
            	trip.setSeats(new Integer(valueString).intValue());
            else if ("photo".equals(tempString)) 
            	trip.setPhoto(valueString); 
            else if ("ticket".equals(tempString)) 
            	trip.setTicket(valueString); 
            else if ("note".equals(tempString)) 
            	trip.setNote(valueString); 
            else if ("memo".equals(tempString)) 
            	trip.setMemo(valueString); 
        } 
		if("Trip".equals(localName)&&trip!=null){
			tripList.add(trip);
			trip = null; 
		}
		tempString = null;
	}

	@Override
	public void startDocument() throws SAXException {
		super.startDocument();
		tripList = new ArrayList<Trip>();
	}

	@Override
	public void startElement(String uri, String localName, String qName,Attributes attributes) throws SAXException {
		super.startElement(uri, localName, qName, attributes);
        if ("Trip".equals(localName)) {
            trip = new Trip(); 
        }
        tempString = localName; 
        valueBuffer.setLength(0);
	}

	public List<Trip> getTripList() {
		return this.tripList;
	}
}
